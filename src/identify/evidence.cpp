#include "evidence.h"

#include <QCoreApplication>
#include <algorithm>
#include <bitset>
#include <tuple>

#include "texthelpers.h"

namespace comm {

namespace {
// A listing whose bytes fill less than this fraction of its line's capacity: under a wrong
// setting a character passes its parity and stop-bit checks only now and then.
constexpr qint64 kGarbageShare = 1000;
}  // namespace

CandidateEvidence GatherEvidence(const QByteArray& waiting, const LineSettings& candidate,
                                 int listenMs, int errorsSeen, bool errorsKnown) {
    CandidateEvidence e;
    e.received = int(waiting.size());
    e.errorsSeen = errorsSeen;
    e.errorsKnown = errorsKnown;
    e.capacity = int(double(listenMs) * candidate.baudRate / 1000.0 / candidate.bitsPerCharacter());
    const int dataBits = candidate.dataBits;
    int text = 0;
    std::bitset<256> seen;
    for (const char c : waiting) {
        const quint8 b = quint8(c);
        seen.set(b);
        if ((b >= 0x20 && b < 0x7F) || b == '\r' || b == '\n' || b == '\t') ++text;
        if (b >> dataBits) ++e.tooWide;
    }
    e.textShare = waiting.isEmpty() ? 0 : int(qint64(text) * 100 / waiting.size());
    e.distinct = int(seen.count());
    return e;
}

bool LooksLikeGarbage(const CandidateEvidence& e) {
    const bool oneValue = e.received > 1 && e.distinct == 1;
    return oneValue || qint64(e.received) * kGarbageShare < e.capacity;
}

namespace {
// The evidence alone, best first.
auto EvidenceKey(const ListedCandidate& c) {
    const CandidateEvidence& e = c.evidence;
    return std::make_tuple(LooksLikeGarbage(e), e.errorsSeen, e.tooWide > 0, -e.textShare);
}
}  // namespace

QList<int> RankCandidates(const QList<ListedCandidate>& listed) {
    QList<int> order;
    for (int i = 0; i < listed.size(); ++i) order << i;
    const auto key = [&listed](int i) {
        const ListedCandidate& c = listed[i];
        return std::tuple_cat(EvidenceKey(c), std::make_tuple(-c.line.dataBits, c.order));
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
    return order;
}

bool SameEvidence(const ListedCandidate& a, const ListedCandidate& b) {
    return EvidenceKey(a) == EvidenceKey(b);
}

QString EvidenceText(const CandidateEvidence& e) {
    QString text = QCoreApplication::translate("IdentifyText", "字节 %1/%2  可读 %3%")
                       .arg(e.received)
                       .arg(e.capacity)
                       .arg(e.textShare);
    if (e.tooWide > 0)
        text += QCoreApplication::translate("IdentifyText", "  超出数据位 %1").arg(e.tooWide);
    text += e.errorsKnown
                ? QCoreApplication::translate("IdentifyText", "  线路差错 %1").arg(e.errorsSeen)
                : QCoreApplication::translate("IdentifyText", "  线路差错 不详");
    if (LooksLikeGarbage(e)) text += QCoreApplication::translate("IdentifyText", "  疑似乱码");
    return text;
}

QString RecordText(const QByteArray& bytes) {
    QString text;
    for (const char b : bytes) text += HexText(quint8(b)) + QLatin1Char(' ');
    return text;
}

}  // namespace comm
