#pragma once

#include <QByteArray>
#include <QString>

// What the file sender and receiver show, in the interface language of the moment: the words of
// each side, the label texts both build the same way, the clock caption, the speed and the
// digest lines, the messages, the windows' buttons and the lines comm-cli prints of a transfer.
namespace comm::transfer {

// The words one side puts in its labels and its clock caption.
struct SideWords {
    QString title;     // the window's caption and the clock caption's first word
    QString progress;  // before the percentage
    QString frames;    // before the frame count
};
SideWords SendWords();
SideWords ReceiveWords();

QString NameCaption();
QString SizeCaption();

// "文件名称: " + name; "文件大小: 40个字节".
QString NameText(const QString& name);
QString SizeText(qint64 size);
// The caption, one blank, the number and "%" / "幀".
QString ProgressText(const QString& caption, int percent);
QString FramesText(const QString& caption, qint64 frames);
// "40幀": how many frames a file takes.
QString FrameCount(qint64 frames);
// "幀 3/40  7%": where a transfer stands, a line of comm-cli's.
QString FrameLine(qint64 frame, qint64 frames, int percent);
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

QString TimeoutMessage();
QString SentMessage(const QString& name);
QString SendStoppedMessage(const QString& name);
QString ReceivedMessage(const QString& name);
QString ReceiveStoppedMessage(const QString& name);
QString TooLargeMessage(qint64 size);
QString NameNotSendableMessage();
QString UnreadableMessage(const QString& reason);
QString ReadFailedMessage(const QString& reason);
QString ShrankMessage();
QString PortLostMessage(const QString& reason);
QString PortWriteMessage(const QString& reason);
QString WriteFailedMessage(const QString& reason);
// Files that cannot be opened or found, as comm-cli reports them.
QString NoSuchFileMessage(const QString& path);
QString NoSuchFolderMessage(const QString& path);

// The windows' buttons and the send window's file dialog.
QString ChooseFileCaption();
QString StopSendingCaption();
QString StopReceivingCaption();
QString ExitCaption();
QString ChooseFileTitle();
QString AllFilesFilter();

}  // namespace comm::transfer
