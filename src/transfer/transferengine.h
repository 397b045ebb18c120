#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "clock.h"
#include "stepmachine.h"
#include "transfertext.h"

namespace comm {

class SerialPort;

// What the file sender and the file receiver share: the port at the transfer settings, the steps,
// the elapsed-time clock of the window's frame, the speed line, the texts of the progress labels,
// the end of a transfer and the reset of the window after it. Reports through signals and never
// shows anything itself. The port and the clock belong to the owner and must outlive the engine.
class TransferEngine : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Completed,
        Stopped,     // by the user
        TimedOut,    // no reply within the limit
        Refused,     // nothing was started: a file that cannot be sent
        PortFailed,  // nothing was started: the port cannot be opened
        Failed,      // a started transfer broke off: the port, a read or a write failed
    };
    Q_ENUM(Outcome)

    // Milliseconds a data frame's reply (sender) or the next frame (receiver) may take.
    static constexpr int kReplyLimitMs = 3000;
    // How often the speed line is refreshed while data frames go across.
    static constexpr int kRateRefreshMs = 250;

    ~TransferEngine() override;

    bool isRunning() const { return steps_->running(); }
    SerialPort& port() const { return steps_->port(); }
    // Payload bytes across so far in the running (or last) transfer.
    qint64 doneBytes() const { return doneBytes_; }
    // SHA-256 of the file as read or written, once a transfer has completed; empty before.
    QByteArray digest() const { return digest_; }

    // The start button while idle; false when nothing started (a refusal or a port that cannot
    // be opened is reported through finished()).
    virtual bool start() = 0;
    // The stop button: ends the transfer with the side's stop message.
    void stop();
    // The window is closing: ends a transfer without a word, closing the port and the file.
    void abort();
    // After the message of an ended transfer has been seen: the labels, the progress bar and the
    // frame's caption go back to their empty texts. Nothing happens after a refusal.
    void resetDisplay();

signals:
    // The four progress lines: the file's name, its size, the percentage and the frames.
    void nameTextChanged(const QString& text);
    void sizeTextChanged(const QString& text);
    void progressTextChanged(const QString& text);
    void framesTextChanged(const QString& text);
    void progressRangeChanged(int maximum);
    void progressValueChanged(int value);
    void clockCaptionChanged(const QString& text);  // Frame1
    void rateTextChanged(const QString& text);
    void digestTextChanged(const QString& text);
    void runningChanged(bool running);
    // The header went across: the transfer name as on the wire, the size and N.
    void headerDone(const QString& name, qint64 size, int frames);
    // Data frame n of frames went across.
    void frameDone(int n, int frames);
    // The transfer ended (or was refused) with this outcome; message is what the window shows.
    void finished(comm::TransferEngine::Outcome outcome, const QString& message);

protected:
    TransferEngine(const transfer::SideWords& words, SerialPort& port, Clock& clock,
                   QObject* parent);

    StepMachine& steps() const { return *steps_; }
    Clock& clock() const { return clock_; }
    const transfer::SideWords& words() const { return words_; }

    // Settings "57600,O,8,1", binary input of inputLen bytes, open, stale input discarded, low
    // latency asked for. False, after finished(PortFailed), when the port cannot be opened.
    bool openPort(int inputLen);
    // The transfer runs: the stop caption, the clock from 0:0:0, the extra lines cleared.
    void beginRun();
    // Data frames start: total payload bytes to come.
    void beginData(qint64 totalBytes);
    void addDone(qint64 bytes);
    // Writes to the port; a refusal ends the transfer (Failed) and gives false.
    bool send(const QByteArray& bytes);
    void showProgress(int percent);
    void showFrames(qint64 frames);
    // The frame count the labels show once the ending's message has been seen, before the reset.
    void showFramesAfterMessage(qint64 frames) { framesAfterMessage_ = frames; }
    void showDigest(bool asWritten, const QByteArray& sha256);
    // Ends the running transfer: steps halted, clock off, speed line final, file released, port
    // closed; then finished(outcome, message).
    void end(Outcome outcome, const QString& message);
    // Reports a refusal before anything started.
    void refuse(Outcome outcome, const QString& message);

    // The side's part of the end: close or keep its file.
    virtual void releaseFile(Outcome outcome) = 0;
    virtual QString stopMessage() const = 0;
    // The side's part of the reset (the sender forgets its file).
    virtual void resetSide() {}

private:
    void onClockTick();
    void onRateTick();
    void showRate();

    const transfer::SideWords words_;
    Clock& clock_;
    std::unique_ptr<StepMachine> steps_;
    std::unique_ptr<ClockTimer> clockTimer_;
    std::unique_ptr<ClockTimer> rateTimer_;
    bool resetPending_ = false;
    qint64 framesAfterMessage_ = -1;
    qint64 seconds_ = 0;
    qint64 dataStartMs_ = 0;
    qint64 totalBytes_ = 0;
    qint64 doneBytes_ = 0;
    QByteArray digest_;
};

}  // namespace comm
