#include "runtext.h"

#include <QCoreApplication>
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
    {1001, QT_TRANSLATE_NOOP("RunText", "收到 Break")},
    {1007, QT_TRANSLATE_NOOP("RunText", "CD (RLSD) 超时")},
    {1002, QT_TRANSLATE_NOOP("RunText", "CTS Timeout")},
    {1003, QT_TRANSLATE_NOOP("RunText", "DSR Timeout")},
    {1004, QT_TRANSLATE_NOOP("RunText", "Framing Error")},
    {1006, QT_TRANSLATE_NOOP("RunText", "数据丢失")},
    {1008, QT_TRANSLATE_NOOP("RunText", "接收缓冲区溢出")},
    {1009, QT_TRANSLATE_NOOP("RunText", "Parity 错误")},
    {1010, QT_TRANSLATE_NOOP("RunText", "传输缓冲区已满")},
    {1011, QT_TRANSLATE_NOOP("RunText", "获取 DCB 时意外错误")},
    {5, QT_TRANSLATE_NOOP("RunText", "CD 线状态变化")},
    {3, QT_TRANSLATE_NOOP("RunText", "CTS 线状态变化")},
    {4, QT_TRANSLATE_NOOP("RunText", "DSR 线状态变化")},
    {6, QT_TRANSLATE_NOOP("RunText", "Ring Indicator 变化")},
    {2, QT_TRANSLATE_NOOP("RunText", "收到 RThreshold # of chars")},
    {1, QT_TRANSLATE_NOOP("RunText", "传输缓冲区有 Sthreshold 个字符")},
    {7, QT_TRANSLATE_NOOP("RunText", "输入数据流中发现 EOF 字符")},
}};

QString fieldLineFormat() {
    return QCoreApplication::translate("RunText", "%1   %2第: %3位");
}

// A field line from a format and a field name already in the interface language: a received
// frame lists many bytes and looks the texts up once.
QString fieldLine(const QString& format, int value, const QString& fieldName, int position) {
    return format.arg(HexText(value), fieldName, QString::number(position)) +
           QStringLiteral("\r\n");
}

}  // namespace

QString StartCaption() {
    return QCoreApplication::translate("RunText", "开始执行[&S]");
}

QString StopCaption() {
    return QCoreApplication::translate("RunText", "停止执行[&N]");
}

QString UnsavedMessage() {
    return QCoreApplication::translate("RunText", "请您先保存当前通讯，再执行！");
}

QString IncompleteMessage() {
    return QCoreApplication::translate("RunText", "您输入的数据不完整，请检查输入完整后重新执行！");
}

QString NoKindMessage() {
    return QCoreApplication::translate("RunText", "通讯类型无效");
}

QString BrokenSendFrameMessage() {
    return QCoreApplication::translate("RunText",
                                       "发送幀的定义已损坏（字节值或字节数超出范围），无法执行！");
}

QString EmptySendFrameMessage() {
    return QCoreApplication::translate("RunText", "发送幀没有任何字节，无法执行！");
}

QString BrokenReceiveFrameMessage() {
    return QCoreApplication::translate("RunText",
                                       "接收幀的定义已损坏（字节数超出范围），无法执行！");
}

QString EmptyReceiveFrameMessage() {
    return QCoreApplication::translate("RunText", "接收幀没有任何字节，无法执行！");
}

QString TimeoutQuestion() {
    return QCoreApplication::translate("RunText",
                                       "超过最大接收数据时间，请检查您的发送程序，继续吗？");
}

QString OpenFailedMessage(const QString& reason) {
    return QCoreApplication::translate("RunText", "打开串口失败：%1").arg(reason);
}

QString DeviceLostMessage(const QString& reason) {
    return QCoreApplication::translate("RunText", "串口设备已断开：%1").arg(reason);
}

QString SendFailedMessage() {
    return QCoreApplication::translate("RunText", "向串口发送数据失败");
}

QString WithFailureReason(const QString& message, const QString& reason) {
    return QCoreApplication::translate("RunText", "%1：%2").arg(message, reason);
}

QString FieldName(Field field) {
    switch (field) {
        case Field::Start:
            return QCoreApplication::translate("RunText", "起始位");
        case Field::Data:
            return QCoreApplication::translate("RunText", "数据位");
        case Field::Check:
            return QCoreApplication::translate("RunText", "校验和");
        case Field::End:
            break;
    }
    return QCoreApplication::translate("RunText", "结束位");
}

QString FieldLine(int value, Field field, int position) {
    return fieldLine(fieldLineFormat(), value, FieldName(field), position);
}

QString FrameHeading(int frameNumber) {
    return QStringLiteral("\r\n") +
           QCoreApplication::translate("RunText", "第%1幀").arg(frameNumber);
}

QString ReceivedBlock(int frameNumber, const QByteArray& frame, const CommDefinition& def) {
    QString block = FrameHeading(frameNumber) + QStringLiteral("\r\n");
    const QString format = fieldLineFormat();
    int at = 0;
    for (Field field : {Field::Start, Field::Data, Field::Check, Field::End}) {
        const int n = def.count(FrameSide::Recv, field);
        const QString name = FieldName(field);
        for (int i = 0; i < n && at < frame.size(); ++i, ++at)
            block += fieldLine(format, quint8(frame.at(at)), name, i + 1);
    }
    return block;
}

QString CounterText(int count) {
    return QCoreApplication::translate("RunText", "%n幀", nullptr, count);
}

QString ElapsedText(qint64 milliseconds) {
    QString digits = QString::number(double(milliseconds) / 1000.0, 'f', 3);
    while (digits.endsWith(QLatin1Char('0'))) digits.chop(1);
    if (digits.endsWith(QLatin1Char('.'))) digits.chop(1);
    return QCoreApplication::translate("RunText", "%1秒").arg(digits);
}

QString JudgedCountsText(int good, int bad) {
    return QCoreApplication::translate("RunText", "正确：%1  错误：%2")
        .arg(CounterText(good), CounterText(bad));
}

QString RunSummaryText(int sent, int received, qint64 milliseconds) {
    return QCoreApplication::translate("RunText", "发送：%1  接收：%2  执行时间：%3")
        .arg(CounterText(sent), CounterText(received), ElapsedText(milliseconds));
}

QString LineEventMessage(int code) {
    for (const LineEventText& e : kLineEvents)
        if (e.code == code) return QCoreApplication::translate("RunText", e.message);
    return {};
}

QList<int> LineEventCodes() {
    QList<int> codes;
    for (const LineEventText& e : kLineEvents) codes.append(e.code);
    return codes;
}

}  // namespace comm
