#include "verdict.h"

#include <QCoreApplication>

namespace comm {

Verdict JudgeCandidates(const QList<ListedCandidate>& listed, const QList<int>& ranking) {
    Verdict v;
    if (ranking.isEmpty()) return v;
    const ListedCandidate& best = listed[ranking.first()];
    // Without line errors every setting that got bytes is listed, whatever it made of them: the
    // wrong ones cannot be ruled out, so no ranking of them can name one.
    if (!best.evidence.errorsKnown) {
        v.kind = Verdict::Kind::ErrorsUnreported;
        return v;
    }
    if (LooksLikeGarbage(best.evidence)) {
        v.kind = Verdict::Kind::OnlyGarbage;
        return v;
    }
    for (int i : ranking)
        if (SameEvidence(listed[i], best)) v.settings << listed[i].settings;
    v.kind = v.settings.size() > 1 ? Verdict::Kind::Tied : Verdict::Kind::Likely;
    return v;
}

QString VerdictText(const Verdict& v) {
    switch (v.kind) {
        case Verdict::Kind::Likely:
            return QCoreApplication::translate("Verdict", "最可能的设置: ") + v.settings.first();
        case Verdict::Kind::Tied:
            return QCoreApplication::translate("Verdict", "无法区分，可能的设置: ") +
                   v.settings.join(QCoreApplication::translate("Verdict", "、"));
        case Verdict::Kind::OnlyGarbage:
            return QCoreApplication::translate(
                "Verdict", "无法判断: 收到的数据都像错误设置下的乱码，设备的设置可能不在候选之中");
        case Verdict::Kind::ErrorsUnreported:
            return QCoreApplication::translate(
                "Verdict", "无法判断: 该串口无法报告线路差错，错误的设置无从排除");
        case Verdict::Kind::NothingListed:
            break;
    }
    return QCoreApplication::translate("Verdict", "没有收到数据的设置");
}

QString VerdictKindName(Verdict::Kind kind) {
    switch (kind) {
        case Verdict::Kind::Likely:
            return QStringLiteral("likely");
        case Verdict::Kind::Tied:
            return QStringLiteral("tied");
        case Verdict::Kind::OnlyGarbage:
            return QStringLiteral("garbage");
        case Verdict::Kind::ErrorsUnreported:
            return QStringLiteral("unreported");
        case Verdict::Kind::NothingListed:
            break;
    }
    return QStringLiteral("none");
}

}  // namespace comm
