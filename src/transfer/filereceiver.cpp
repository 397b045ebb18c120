#include "filereceiver.h"

#include <QDir>

#include "serialport.h"
#include "transferframe.h"

namespace comm {

using namespace transfer;

FileReceiver::FileReceiver(SerialPort& port, Clock& clock, const QString& folder, QObject* parent)
    : TransferEngine(ReceiveWords(), port, clock, parent), folder_(folder) {
    connect(&steps(), &StepMachine::lineEvent, this, &FileReceiver::onLineEvent);
}

FileReceiver::~FileReceiver() {
    abort();
}

bool FileReceiver::start() {
    if (isRunning()) return false;
    if (!openPort(kFrameSize)) return false;
    name_.clear();
    size_ = 0;
    frames_ = 0;
    taken_ = 0;
    lineError_ = false;
    inData_ = false;
    keptPath_.clear();
    beginRun();
    showProgress(0);
    showFrames(0);
    emit nameTextChanged(NameCaption());
    emit sizeTextChanged(SizeCaption());
    emit placeTextChanged(QString());
    waitHeader();
    return true;
}

void FileReceiver::releaseFile(Outcome outcome) {
    if (outcome == Outcome::Completed) return;
    keptPath_ = file_.keep();
    if (!keptPath_.isEmpty())
        emit placeTextChanged(PlaceText(QDir::toNativeSeparators(keptPath_), false));
}

QString FileReceiver::stopMessage() const {
    return ReceiveStoppedMessage(name_);
}

bool FileReceiver::takeFrame(QByteArray* frame) {
    *frame = port().input();
    port().clearInput();
    const bool spoiled = lineError_;
    lineError_ = false;
    return FrameIsGood(*frame) && !spoiled;
}

// The line runs odd parity: a character the line saw spoiled spoils its frame even where the
// sum happens to fit.
void FileReceiver::onLineEvent(int code) {
    if (isRunning() && (code == SerialPort::ErRxParity || code == SerialPort::ErFrame))
        lineError_ = true;
}

// The rest of the frame is not coming: its sender waits for an answer, and a 0x55 brings the
// whole frame again. Without it a lost character would leave both sides waiting for ever in the
// header exchange and end the data exchange with the time limit.
void FileReceiver::onQuietLine() {
    port().clearInput();
    lineError_ = false;
    if (!reply(kReplyBad)) return;
    if (inData_) {
        steps().cancelLimit();
        waitData();
    } else {
        waitHeader();
    }
}

// No time limit: the receiver waits until a sender starts or the user stops.
void FileReceiver::waitHeader() {
    steps().waitForBytes(
        kFrameSize, [this] { onHeaderFrame(); }, kShortFrameQuietMs, [this] { onQuietLine(); });
}

void FileReceiver::onHeaderFrame() {
    QByteArray frame;
    if (!takeFrame(&frame)) {
        if (reply(kReplyBad)) waitHeader();
        return;
    }
    name_ = NameFromWire(HeaderNameBytes(frame));
    size_ = HeaderSize(frame);
    frames_ = DataFrameCount(size_);
    const QString target = ReceivedFile::TargetPath(folder_, HeaderNameBytes(frame));
    QString error;
    if (!file_.begin(target, &error)) {
        // No answer: a 0x66 would tell the sender its file is here (for an empty one, that it is
        // complete). It waits for the header's answer as for a receiver not yet started.
        end(Outcome::Failed, WriteFailedMessage(error));
        return;
    }
    if (size_ == 0) {
        receiveEmpty();
        return;
    }
    if (!reply(kReplyGood)) return;
    emit nameTextChanged(NameText(name_));
    emit sizeTextChanged(SizeText(size_));
    emit headerDone(name_, size_, frames_);
    emit placeTextChanged(PlaceText(QDir::toNativeSeparators(target), true));
    emit progressRangeChanged(frames_);
    emit progressValueChanged(0);
    beginData(size_);
    inData_ = true;
    waitData();
}

// An empty file replaces one of that name like any other; the 0x66 goes out only once it has,
// so the sender never reports a file that is not there.
void FileReceiver::receiveEmpty() {
    QString error;
    if (!file_.commit(&error)) {
        end(Outcome::Failed, WriteFailedMessage(error));
        return;
    }
    if (!reply(kReplyGood)) return;
    emit nameTextChanged(NameText(name_));
    emit sizeTextChanged(SizeText(0));
    emit headerDone(name_, 0, 0);
    emit progressRangeChanged(100);
    emit progressValueChanged(100);
    showProgress(100);
    showFrames(1);
    showDigest(true, file_.digest());
    emit placeTextChanged(PlaceText(QDir::toNativeSeparators(file_.targetPath()), true));
    end(Outcome::Completed, ReceivedMessage(name_));
}

// Each wait for a frame has its own limit, counted from the moment it starts.
void FileReceiver::waitData() {
    steps().armLimit(kReplyLimitMs, [this] { end(Outcome::TimedOut, TimeoutMessage()); });
    steps().waitForBytes(
        kFrameSize, [this] { onDataFrame(); }, kShortFrameQuietMs, [this] { onQuietLine(); });
}

void FileReceiver::onDataFrame() {
    QByteArray frame;
    if (takeFrame(&frame)) {
        onDataFrameGood(frame);
        return;
    }
    steps().cancelLimit();
    if (reply(kReplyBad)) waitData();
}

void FileReceiver::onDataFrameGood(const QByteArray& frame) {
    steps().cancelLimit();
    const QByteArray payload = frame.left(DataFramePayload(size_, taken_ + 1));
    QString error;
    if (!file_.write(payload, &error)) {
        end(Outcome::Failed, WriteFailedMessage(error));
        return;
    }
    ++taken_;
    // The last 0x66 goes out only once the file is in its place.
    const bool last = taken_ == frames_;
    if (last && !file_.commit(&error)) {
        end(Outcome::Failed, WriteFailedMessage(error));
        return;
    }
    // The answer first: what is shown and printed for the frame is no time the sender waits.
    if (!reply(kReplyGood)) return;
    if (!last) waitData();
    showProgress(Percent(taken_, frames_));
    showFrames(qint64(taken_) + 1);
    emit progressValueChanged(taken_);
    addDone(payload.size());
    emit frameDone(taken_, frames_);
    if (!last) return;
    showDigest(true, file_.digest());
    end(Outcome::Completed, ReceivedMessage(name_));
}

}  // namespace comm
