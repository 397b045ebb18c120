#pragma once

#include <QByteArray>
#include <QString>

// What the file sender and receiver show: the words of each side, the label texts both build the
// same way, the clock caption, the speed and the digest lines, and the messages.
namespace comm::transfer {

// The words one side puts in its labels and its clock caption.
struct SideWords {
    QString title;     // the window's caption and the clock caption's first word
    QString progress;  // before the percentage
    QString frames;    // before the frame count
};
const SideWords& SendWords();
const SideWords& ReceiveWords();

inline const QString kNameCaption = QStringLiteral("文件名称:");
inline const QString kSizeCaption = QStringLiteral("文件大小:");

// "文件名称: " + name; "文件大小: 40个字节".
QString NameText(const QString& name);
QString SizeText(qint64 size);
// The caption, one blank, the number and "%" / "幀".
QString ProgressText(const QString& caption, int percent);
QString FramesText(const QString& caption, qint64 frames);
// The whole part of part / whole x 100.
int Percent(qint64 part, qint64 whole);
// The title, one blank and the elapsed time as hh:mm:ss, each at least two digits.
QString ClockCaption(const QString& title, qint64 seconds);

// Bytes per second so far and the time the rest will take at that speed.
QString RateText(qint64 doneBytes, qint64 elapsedMs, qint64 totalBytes);
// The SHA-256 of the file as read (sender) or as written (receiver).
QString DigestText(bool asWritten, const QByteArray& sha256);
// Where the received file went, or where the data of a cut reception stays.
QString PlaceText(const QString& path, bool complete);

inline const QString kBusyPortMessage = QStringLiteral("当前活动串口是非空闲串口！");
inline const QString kTimeoutMessage = QStringLiteral("通讯超时，失败！！！");
QString SentMessage(const QString& name);
QString SendStoppedMessage(const QString& name);
QString ReceivedMessage(const QString& name);
QString ReceiveStoppedMessage(const QString& name);
QString TooLargeMessage(qint64 size);
inline const QString kNameNotSendableMessage =
    QStringLiteral("文件名称只能由英文字母、数字、空格和英文标点组成，请将文件改名后再发送！");
QString UnreadableMessage(const QString& reason);
QString ReadFailedMessage(const QString& reason);
inline const QString kShrankMessage = QStringLiteral("文件在发送过程中变短了，发送中止！");
QString PortLostMessage(const QString& reason);
QString PortWriteMessage(const QString& reason);
QString WriteFailedMessage(const QString& reason);

}  // namespace comm::transfer
