#include "runtext.h"

#include <array>

#include "texthelpers.h"

namespace comm {

namespace {

struct LineEventText {
    int code;
    const char* message;
};

// Checked in this order; the codes are distinct, so the order only fixes the cost of the search.
constexpr std::array<LineEventText, 17> kLineEvents = {{
    {1001, "收到 Break"},
    {1007, "CD (RLSD) 超时"},
    {1002, "CTS Timeout"},
    {1003, "DSR Timeout"},
    {1004, "Framing Error"},
    {1006, "数据丢失"},
    {1008, "接收缓冲区溢出"},
    {1009, "Parity 错误"},
    {1010, "传输缓冲区已满"},
    {1011, "获取 DCB 时意外错误"},
    {5, "CD 线状态变化"},
    {3, "CTS 线状态变化"},
    {4, "DSR 线状态变化"},
    {6, "Ring Indicator 变化"},
    {2, "收到 RThreshold # of chars"},
    {1, "传输缓冲区有 Sthreshold 个字符"},
    {7, "输入数据流中发现 EOF 字符"},
}};

}  // namespace

QString FieldName(Field field) {
    switch (field) {
        case Field::Start:
            return QStringLiteral("起始位");
        case Field::Data:
            return QStringLiteral("数据位");
        case Field::Check:
            return QStringLiteral("校验和");
        case Field::End:
            break;
    }
    return QStringLiteral("结束位");
}

QString FieldWord(Field field) {
    return FieldName(field) + QStringLiteral("第:");
}

QString FieldLine(int value, Field field, int position) {
    return HexText(value) + QStringLiteral("   ") + FieldWord(field) + QLatin1Char(' ') +
           QString::number(position) + QStringLiteral("位\r\n");
}

QString FrameHeading(int frameNumber) {
    return QStringLiteral("\r\n第") + QString::number(frameNumber) + QStringLiteral("幀");
}

QString ReceivedBlock(int frameNumber, const QByteArray& frame, const CommDefinition& def) {
    QString block = FrameHeading(frameNumber) + QStringLiteral("\r\n");
    int at = 0;
    for (Field field : {Field::Start, Field::Data, Field::Check, Field::End}) {
        const int n = def.count(FrameSide::Recv, field);
        for (int i = 0; i < n && at < frame.size(); ++i, ++at)
            block += FieldLine(quint8(frame.at(at)), field, i + 1);
    }
    return block;
}

QString CounterText(int count) {
    return QString::number(count) + QStringLiteral("幀");
}

QString ElapsedText(qint64 milliseconds) {
    QString digits = QString::number(double(milliseconds) / 1000.0, 'f', 3);
    while (digits.endsWith(QLatin1Char('0'))) digits.chop(1);
    if (digits.endsWith(QLatin1Char('.'))) digits.chop(1);
    return digits + QStringLiteral("秒");
}

QString LineEventMessage(int code) {
    for (const LineEventText& e : kLineEvents)
        if (e.code == code) return QString::fromUtf8(e.message);
    return {};
}

QList<int> LineEventCodes() {
    QList<int> codes;
    for (const LineEventText& e : kLineEvents) codes.append(e.code);
    return codes;
}

}  // namespace comm
