#include "transfertext.h"

#include "transferframe.h"

namespace comm::transfer {

namespace {

QString twoDigits(qint64 n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString duration(qint64 seconds) {
    return twoDigits(seconds / 3600) + QLatin1Char(':') + twoDigits(seconds / 60 % 60) +
           QLatin1Char(':') + twoDigits(seconds % 60);
}

QString withReason(const QString& text, const QString& reason) {
    return reason.isEmpty() ? text : text + QStringLiteral("（%1）").arg(reason);
}

}  // namespace

const SideWords& SendWords() {
    static const SideWords words{QStringLiteral("发送文件"), QStringLiteral("发送进程:"),
                                 QStringLiteral("发送幀数:")};
    return words;
}

const SideWords& ReceiveWords() {
    static const SideWords words{QStringLiteral("接收文件"), QStringLiteral("接收进程:"),
                                 QStringLiteral("接收幀数:")};
    return words;
}

QString NameText(const QString& name) {
    return kNameCaption + QLatin1Char(' ') + name;
}

QString SizeText(qint64 size) {
    return kSizeCaption + QLatin1Char(' ') + QString::number(size) + QStringLiteral("个字节");
}

QString ProgressText(const QString& caption, int percent) {
    return caption + QLatin1Char(' ') + QString::number(percent) + QLatin1Char('%');
}

QString FramesText(const QString& caption, qint64 frames) {
    return caption + QLatin1Char(' ') + QString::number(frames) + QStringLiteral("幀");
}

int Percent(qint64 part, qint64 whole) {
    return whole <= 0 ? 0 : int(part * 100 / whole);
}

QString ClockCaption(const QString& title, qint64 seconds) {
    return title + QLatin1Char(' ') + duration(seconds);
}

QString RateText(qint64 doneBytes, qint64 elapsedMs, qint64 totalBytes) {
    const qint64 perSecond = elapsedMs > 0 ? doneBytes * 1000 / elapsedMs : 0;
    QString left = QStringLiteral("--:--:--");
    if (doneBytes >= totalBytes)
        left = duration(0);
    else if (doneBytes > 0 && elapsedMs > 0)
        // Rounded up: the last second is still to come until the last byte is in.
        left = duration(((totalBytes - doneBytes) * elapsedMs + doneBytes * 1000 - 1) /
                        (doneBytes * 1000));
    return QStringLiteral("传输速度: %1字节/秒  剩余时间: %2").arg(perSecond).arg(left);
}

QString DigestText(bool asWritten, const QByteArray& sha256) {
    return (asWritten ? QStringLiteral("SHA-256（写入）: ") : QStringLiteral("SHA-256（读出）: ")) +
           QString::fromLatin1(sha256.toHex());
}

QString PlaceText(const QString& path, bool complete) {
    return (complete ? QStringLiteral("保存位置: ") : QStringLiteral("未完成的数据保存在: ")) +
           path;
}

QString SentMessage(const QString& name) {
    return QStringLiteral("文件") + name + QStringLiteral("发送完毕!!!");
}

QString SendStoppedMessage(const QString& name) {
    return QStringLiteral("文件") + name + QStringLiteral("用户中断发送!!!");
}

QString ReceivedMessage(const QString& name) {
    return QStringLiteral("文件") + name + QStringLiteral("接收完毕!!!");
}

QString ReceiveStoppedMessage(const QString& name) {
    return QStringLiteral("文件") + name + QStringLiteral("用户中断接收!!!");
}

QString TooLargeMessage(qint64 size) {
    return QStringLiteral("文件大小为%1个字节，超过了可以发送的%2个字节，无法发送！")
        .arg(size)
        .arg(kMaxFileSize);
}

QString UnreadableMessage(const QString& reason) {
    return withReason(QStringLiteral("无法读取要发送的文件！"), reason);
}

QString ReadFailedMessage(const QString& reason) {
    return withReason(QStringLiteral("读取文件失败，发送中止！"), reason);
}

QString PortLostMessage(const QString& reason) {
    return withReason(QStringLiteral("串口设备已断开，传输中止！"), reason);
}

QString PortWriteMessage(const QString& reason) {
    return withReason(QStringLiteral("串口写入失败，传输中止！"), reason);
}

QString WriteFailedMessage(const QString& reason) {
    return withReason(QStringLiteral("写入文件失败，接收中止！"), reason);
}

}  // namespace comm::transfer
