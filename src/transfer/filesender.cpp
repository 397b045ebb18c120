#include "filesender.h"

#include <QFileInfo>

#include "filecheck.h"
#include "serialport.h"
#include "transferframe.h"

namespace comm {

using namespace transfer;

FileSender::FileSender(SerialPort& port, Clock& clock, QObject* parent)
    : TransferEngine(SendWords(), port, clock, parent) {}

FileSender::~FileSender() {
    abort();
}

bool FileSender::choose(const QString& path) {
    if (isRunning()) return false;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || info.isDir()) return false;
    path_ = info.absoluteFilePath();
    transferName_ = TransferName(path_);
    size_ = info.size();
    emit nameTextChanged(NameText(transferName_));
    emit sizeTextChanged(SizeText(size_));
    return true;
}

bool FileSender::start() {
    if (isRunning() || transferName_.isEmpty()) return false;
    if (!TransferNameIsSendable(transferName_)) {
        refuse(Outcome::Refused, NameNotSendableMessage());
        return false;
    }
    // Opening a FIFO would wait for a writer and reading a device would never end.
    const FileCheck check = CheckFileToRead(path_);
    if (!check.ok()) {
        refuse(Outcome::Refused, check.message);
        return false;
    }
    file_.setFileName(path_);
    // Unbuffered: each frame is read when it is due, so a file that shrinks is noticed and no
    // byte it no longer holds goes out.
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || file_.isSequential()) {
        const QString reason = file_.isOpen() ? QString() : file_.errorString();
        file_.close();
        refuse(Outcome::Refused, UnreadableMessage(reason));
        return false;
    }
    // Measured again: what goes across is the file as it is now.
    const qint64 size = file_.size();
    if (size > kMaxFileSize) {
        file_.close();
        refuse(Outcome::Refused, TooLargeMessage(size));
        return false;
    }
    if (size != size_) {
        size_ = size;
        emit sizeTextChanged(SizeText(size_));
    }
    if (!openPort(1)) {
        file_.close();
        return false;
    }
    hash_.reset();
    frames_ = 0;
    acknowledged_ = 0;
    beginRun();
    showProgress(0);
    showFrames(0);
    frame_ = HeaderFrame(transferName_, size_);
    sendHeader();
    return true;
}

void FileSender::releaseFile(Outcome) {
    file_.close();
}

QString FileSender::stopMessage() const {
    return SendStoppedMessage(transferName_);
}

void FileSender::resetSide() {
    // A new file must be chosen before the next send.
    path_.clear();
    transferName_.clear();
    size_ = 0;
}

char FileSender::takeReply() {
    const QByteArray reply = port().input();
    port().clearInput();
    return reply.isEmpty() ? '\0' : reply[0];
}

// No time limit: the sender waits until the receiver answers or the user stops. What waited is
// discarded before the frame goes rather than after, so a quick answer is never thrown away.
void FileSender::sendHeader() {
    port().clearInput();
    if (!send(frame_)) return;
    steps().waitForBytes(1, [this] { onHeaderReply(); });
}

void FileSender::onHeaderReply() {
    const char reply = takeReply();
    if (reply == kReplyGood)
        onHeaderAccepted();
    else if (reply == kReplyBad)
        sendHeader();
    else
        steps().waitForBytes(1, [this] { onHeaderReply(); });
}

void FileSender::onHeaderAccepted() {
    frames_ = DataFrameCount(size_);
    emit headerDone(transferName_, size_, frames_);
    if (size_ == 0) {
        emit progressRangeChanged(100);
        emit progressValueChanged(100);
        showProgress(100);
        showFrames(1);
        showDigest(false, hash_.result());
        end(Outcome::Completed, SentMessage(transferName_));
        return;
    }
    showProgress(0);
    showFrames(1);
    emit progressRangeChanged(frames_);
    emit progressValueChanged(0);
    if (!loadFrame(1)) return;
    beginData(size_);
    sendFrame();
}

void FileSender::sendFrame() {
    port().clearInput();
    if (!send(frame_)) return;
    steps().armLimit(kReplyLimitMs, [this] { end(Outcome::TimedOut, TimeoutMessage()); });
    steps().waitForBytes(1, [this] { onDataReply(); });
}

void FileSender::onDataReply() {
    const char reply = takeReply();
    if (reply == kReplyBad) {
        steps().cancelLimit();
        sendFrame();
        return;
    }
    if (reply != kReplyGood) {
        // Any other byte is no answer; the limit runs on.
        steps().waitForBytes(1, [this] { onDataReply(); });
        return;
    }
    steps().cancelLimit();
    const int j = acknowledged_ + 1;
    if (j < frames_) {
        // The next frame first: what is shown and printed for this one is no time the line idles.
        if (!loadFrame(j + 1)) return;
        sendFrame();
        if (!isRunning()) return;
    }
    showProgress(Percent(acknowledged_, frames_));
    showFrames(j);
    emit progressValueChanged(acknowledged_);
    acknowledged_ = j;
    addDone(DataFramePayload(size_, j));
    emit frameDone(j, frames_);
    if (j < frames_) return;
    showProgress(100);
    showDigest(false, hash_.result());
    // While the completion message is up the count still names the last frame.
    showFramesAfterMessage(qint64(frames_) + 1);
    end(Outcome::Completed, SentMessage(transferName_));
}

bool FileSender::loadFrame(int j) {
    const int length = DataFramePayload(size_, j);
    const QByteArray piece = file_.read(length);
    if (piece.size() != length) {
        // Never a byte that is not the file's: the transfer ends here.
        end(Outcome::Failed, file_.error() != QFileDevice::NoError
                                 ? ReadFailedMessage(file_.errorString())
                                 : ShrankMessage());
        return false;
    }
    hash_.addData(piece);
    frame_ = DataFrame(piece);
    return true;
}

}  // namespace comm
