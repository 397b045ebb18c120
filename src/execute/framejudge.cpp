#include "framejudge.h"

#include <QCoreApplication>

#include "runtext.h"
#include "sendframe.h"
#include "texthelpers.h"

namespace comm {

namespace {

constexpr Field kWireOrder[] = {Field::Start, Field::Data, Field::Check, Field::End};

// What a received frame's check field must hold: the named checksum of the received data (and
// the entered bytes after it in a field longer than the checksum), else the entered bytes.
QVector<int> ExpectedCheck(const CommDefinition& def, const QByteArray& receivedData) {
    const int n = def.count(FrameSide::Recv, Field::Check);
    const qint16* entered = def.values(FrameSide::Recv, Field::Check);
    QVector<int> expected(entered, entered + n);
    const std::optional<Checksum> name = def.checkName(FrameSide::Recv);
    if (!name || receivedData.size() != def.count(FrameSide::Recv, Field::Data)) return expected;
    const QByteArray sum = ComputeChecksum(*name, receivedData);
    for (int i = 0; i < n && i < sum.size(); ++i) expected[i] = quint8(sum[i]);
    return expected;
}

QString ExpectedText(const QVector<int>& expected) {
    QStringList parts;
    for (int v : expected) parts << (v < 0 ? QStringLiteral("??") : HexText(v));
    return parts.join(QLatin1Char(' '));
}

// The field lines of a frame, each differing byte followed by what it should be.
QString MarkedLines(const QByteArray& frame, const CommDefinition& def,
                    const FrameVerdict* verdict) {
    QString lines;
    int at = 0;
    for (Field field : kWireOrder) {
        const int n = def.count(FrameSide::Recv, field);
        for (int i = 0; i < n && at < frame.size(); ++i, ++at) {
            QString line = FieldLine(quint8(frame.at(at)), field, i + 1);
            if (verdict && at < verdict->expectedAt.size() && verdict->expectedAt[at] >= 0) {
                line.chop(2);
                line += QCoreApplication::translate("FrameJudge", "  ← 应为 ") +
                        HexText(verdict->expectedAt[at]) + QStringLiteral("\r\n");
            }
            lines += line;
        }
    }
    return lines;
}

}  // namespace

FrameVerdict JudgeFrame(const CommDefinition& def, const QByteArray& frame) {
    FrameVerdict verdict;
    verdict.expectedLength = ReceiveFrameLength(def);
    verdict.expectedAt.fill(-1, frame.size());
    verdict.match = frame.size() == verdict.expectedLength;
    int at = 0;
    const int dataAt = def.count(FrameSide::Recv, Field::Start);
    const QByteArray receivedData = frame.mid(dataAt, def.count(FrameSide::Recv, Field::Data));
    for (Field field : kWireOrder) {
        const int n = qBound(0, def.count(FrameSide::Recv, field), CommDefinition::capacity(field));
        QVector<int> expected;
        if (field == Field::Check) {
            expected = ExpectedCheck(def, receivedData);
        } else {
            const qint16* entered = def.values(FrameSide::Recv, field);
            expected = QVector<int>(entered, entered + n);
        }
        const QByteArray received = frame.mid(at, n);
        bool differs = received.size() != n;
        for (int i = 0; i < received.size(); ++i) {
            if (expected[i] >= 0 && expected[i] != quint8(received[i])) {
                differs = true;
                verdict.expectedAt[at + i] = expected[i];
            }
        }
        if (differs) verdict.differences.append({field, expected, received});
        at += n;
    }
    verdict.match = verdict.match && verdict.differences.isEmpty();
    return verdict;
}

QString VerdictText(const FrameVerdict& verdict) {
    if (verdict.match) return QCoreApplication::translate("FrameJudge", " 正确");
    QStringList parts;
    for (const FieldDifference& d : verdict.differences)
        parts << QCoreApplication::translate("FrameJudge", "%1 应为 %2，收到 %3")
                     .arg(FieldName(d.field), ExpectedText(d.expected),
                          d.received.isEmpty() ? QCoreApplication::translate("FrameJudge", "无")
                                               : HexBytesText(d.received));
    if (parts.isEmpty())
        parts << QCoreApplication::translate("FrameJudge", "长度 应为 %1 字节")
                     .arg(verdict.expectedLength);
    return QCoreApplication::translate("FrameJudge", " 错误：") +
           parts.join(QCoreApplication::translate("FrameJudge", "；"));
}

QString JudgedBlock(int frameNumber, const QByteArray& frame, const CommDefinition& def,
                    const FrameVerdict& verdict) {
    return FrameHeading(frameNumber) + VerdictText(verdict) + QStringLiteral("\r\n") +
           MarkedLines(frame, def, &verdict);
}

QString IncompleteBlock(const QByteArray& bytes, const CommDefinition& def,
                        const FrameVerdict* verdict) {
    return QStringLiteral("\r\n") +
           QCoreApplication::translate("FrameJudge", "不完整的幀：已收到 %1 字节")
               .arg(bytes.size()) +
           QStringLiteral("\r\n") + MarkedLines(bytes, def, verdict);
}

QString CheckNamesText(const CommDefinition& def) {
    if (!def.checkName(FrameSide::Send) && !def.checkName(FrameSide::Recv)) return {};
    const auto name = [&def](FrameSide side) {
        const std::optional<Checksum> kind = def.checkName(side);
        return kind ? ChecksumOf(*kind).caption() : QCoreApplication::translate("FrameJudge", "无");
    };
    return QCoreApplication::translate("FrameJudge", "校验: 发送 %1，接收 %2")
        .arg(name(FrameSide::Send), name(FrameSide::Recv));
}

QString WaitingText(const QByteArray& bytes) {
    if (bytes.isEmpty()) return QCoreApplication::translate("FrameJudge", "未收到任何字节");
    return QCoreApplication::translate("FrameJudge", "已收到 %1 字节: %2")
        .arg(bytes.size())
        .arg(HexBytesText(bytes));
}

}  // namespace comm
