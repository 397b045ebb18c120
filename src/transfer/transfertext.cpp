#include "transfertext.h"

#include <QCoreApplication>

#include "porttext.h"
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

}  // namespace

SideWords SendWords() {
    return {QCoreApplication::translate("TransferText", "发送文件"),
            QCoreApplication::translate("TransferText", "发送进程:"),
            QCoreApplication::translate("TransferText", "发送幀数:")};
}

SideWords ReceiveWords() {
    return {QCoreApplication::translate("TransferText", "接收文件"),
            QCoreApplication::translate("TransferText", "接收进程:"),
            QCoreApplication::translate("TransferText", "接收幀数:")};
}

QString NameCaption() {
    return QCoreApplication::translate("TransferText", "文件名称:");
}

QString SizeCaption() {
    return QCoreApplication::translate("TransferText", "文件大小:");
}

QString NameText(const QString& name) {
    return NameCaption() + QLatin1Char(' ') + name;
}

QString SizeText(qint64 size) {
    return SizeCaption() + QLatin1Char(' ') +
           QCoreApplication::translate("TransferText", "%1个字节").arg(size);
}

QString ProgressText(const QString& caption, int percent) {
    return caption + QLatin1Char(' ') + QString::number(percent) + QLatin1Char('%');
}

QString FramesText(const QString& caption, qint64 frames) {
    return caption + QLatin1Char(' ') + FrameCount(frames);
}

QString FrameCount(qint64 frames) {
    return QCoreApplication::translate("TransferText", "%1幀").arg(frames);
}

QString FrameLine(qint64 frame, qint64 frames, int percent) {
    return QCoreApplication::translate("TransferText", "幀 %1/%2  %3%")
        .arg(frame)
        .arg(frames)
        .arg(percent);
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
    return QCoreApplication::translate("TransferText", "传输速度: %1字节/秒  剩余时间: %2")
        .arg(perSecond)
        .arg(left);
}

QString DigestText(bool asWritten, const QByteArray& sha256) {
    const QString hex = QString::fromLatin1(sha256.toHex());
    return asWritten ? QCoreApplication::translate("TransferText", "SHA-256（写入）: %1").arg(hex)
                     : QCoreApplication::translate("TransferText", "SHA-256（读出）: %1").arg(hex);
}

QString PlaceText(const QString& path, bool complete) {
    return complete
               ? QCoreApplication::translate("TransferText", "保存位置: %1").arg(path)
               : QCoreApplication::translate("TransferText", "未完成的数据保存在: %1").arg(path);
}

QString TimeoutMessage() {
    return QCoreApplication::translate("TransferText", "通讯超时，失败！！！");
}

QString SentMessage(const QString& name) {
    return QCoreApplication::translate("TransferText", "文件%1发送完毕!!!").arg(name);
}

QString SendStoppedMessage(const QString& name) {
    return QCoreApplication::translate("TransferText", "文件%1用户中断发送!!!").arg(name);
}

QString ReceivedMessage(const QString& name) {
    return QCoreApplication::translate("TransferText", "文件%1接收完毕!!!").arg(name);
}

QString ReceiveStoppedMessage(const QString& name) {
    return QCoreApplication::translate("TransferText", "文件%1用户中断接收!!!").arg(name);
}

QString TooLargeMessage(qint64 size) {
    return QCoreApplication::translate("TransferText",
                                       "文件大小为%1个字节，超过了可以发送的%2个字节，无法发送！")
        .arg(size)
        .arg(kMaxFileSize);
}

QString NameNotSendableMessage() {
    return QCoreApplication::translate(
        "TransferText", "文件名称只能由英文字母、数字、空格和英文标点组成，请将文件改名后再发送！");
}

QString UnreadableMessage(const QString& reason) {
    return WithReason(QCoreApplication::translate("TransferText", "无法读取要发送的文件！"),
                      reason);
}

QString ReadFailedMessage(const QString& reason) {
    return WithReason(QCoreApplication::translate("TransferText", "读取文件失败，发送中止！"),
                      reason);
}

QString ShrankMessage() {
    return QCoreApplication::translate("TransferText", "文件在发送过程中变短了，发送中止！");
}

QString PortLostMessage(const QString& reason) {
    return WithReason(QCoreApplication::translate("TransferText", "串口设备已断开，传输中止！"),
                      reason);
}

QString PortWriteMessage(const QString& reason) {
    return WithReason(QCoreApplication::translate("TransferText", "串口写入失败，传输中止！"),
                      reason);
}

QString WriteFailedMessage(const QString& reason) {
    return WithReason(QCoreApplication::translate("TransferText", "写入文件失败，接收中止！"),
                      reason);
}

QString NoSuchFileMessage(const QString& path) {
    return QCoreApplication::translate("TransferText", "文件不存在：%1").arg(path);
}

QString NoSuchFolderMessage(const QString& path) {
    return QCoreApplication::translate("TransferText", "文件夹不存在：%1").arg(path);
}

QString ChooseFileCaption() {
    return QCoreApplication::translate("TransferText", "选择文件");
}

QString StopSendingCaption() {
    return QCoreApplication::translate("TransferText", "结束发送");
}

QString StopReceivingCaption() {
    return QCoreApplication::translate("TransferText", "结束接收");
}

QString ExitCaption() {
    return QCoreApplication::translate("TransferText", "退出[&X]");
}

QString ChooseFileTitle() {
    return QCoreApplication::translate("TransferText", "打开/另存为[通讯]");
}

QString AllFilesFilter() {
    return QCoreApplication::translate("TransferText", " 所有文件(*.*)");
}

}  // namespace comm::transfer
