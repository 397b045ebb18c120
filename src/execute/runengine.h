#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include "clock.h"
#include "commdefinition.h"
#include "commoptions.h"
#include "framejudge.h"
#include "framereader.h"
#include "linepacer.h"
#include "serialport.h"
#include "stepmachine.h"
#include "timedlog.h"

namespace comm {

// Runs one communication on a serial port, frame by frame, as a state machine: a step runs when
// bytes arrive, when a timer fires or when the caller acts, so a run that waits for a silent
// device costs no CPU. Reports everything through signals and never shows anything itself.
// Owned by the execution window or comm-cli; the port and the clock belong to the owner and must
// outlive it.
class RunEngine : public QObject {
    Q_OBJECT
public:
    // What each side of the line is doing, for the window's activity indicators.
    enum class Activity { Idle, Sending, Receiving };
    enum class FinishReason { Count, Stopped, Timeout, LineEvent, DeviceLost, Failure };
    enum class StartResult {
        Started,
        NoKind,      // a kind outside 1..4: displays reset, nothing more
        Refused,     // incomplete frame or unusable options; the port was not touched
        OpenFailed,  // the port could not be opened
    };
    Q_ENUM(Activity)
    Q_ENUM(FinishReason)
    Q_ENUM(StartResult)

    // Takes a copy of the definition and the options. Sets the port's settings and raw input,
    // as the window does when it loads; the port number is the owner's to set. Pauses, the
    // receive limit and the elapsed time come from the clock.
    RunEngine(const CommDefinition& def, const CommOptions& options, SerialPort& port, Clock& clock,
              QObject* parent = nullptr);
    ~RunEngine() override;

    bool isRunning() const { return steps_.running(); }
    int sentCount() const { return sent_; }
    int receivedCount() const { return received_; }
    // Milliseconds on the clock since the last start.
    qint64 elapsedMs() const { return steps_.elapsedMs(); }
    // Received frames judged good and bad since the last start (checking on).
    int goodCount() const { return good_; }
    int badCount() const { return bad_; }
    // How the next runs cut and judge received frames; all off unless set.
    void setReceiveRules(const ReceiveRules& rules) { rules_ = rules; }
    const ReceiveRules& receiveRules() const { return rules_; }
    // The bytes every frame of the run sends.
    const QByteArray& sendFrame() const { return frame_; }
    // The bytes that waited when the last time-out question was asked.
    const QByteArray& waitingAtTimeout() const { return waitingAtTimeout_; }
    // Every frame sent and taken since the last start, with its time.
    const TimedLog& log() const { return log_; }
    bool timeoutQuestionPending() const {
        return steps_.running() && steps_.waiting() == StepMachine::Waiting::Held;
    }

    // The start button: resets the displays and starts a run of the communication's kind.
    StartResult start();
    // The stop button: ends a run in progress (both indicators idle, port closed).
    void stop();
    // The answer to timeoutQuestion(): true (OK) waits again for the whole limit, false ends
    // the run. Ignored when no question is pending.
    void answerTimeout(bool continueRun);
    // The window is closing: ends a run without a word and releases the port.
    void abort();

signals:
    void sendListingCleared();
    void sendListingAppended(const QString& text);
    void receiveListingCleared();
    void receiveListingAppended(const QString& text);
    void sentCountChanged(int count);
    void receivedCountChanged(int count);
    // A frame went to the port (count is its number in the run) / was taken from it, ms after
    // the start.
    void frameSent(int count, qint64 ms);
    void frameReceived(int count, const QByteArray& bytes, qint64 ms);
    // Checking on: the verdict on the frame about to be reported by frameReceived, and the
    // counts of good and bad frames after it.
    void frameJudged(int count, const comm::FrameVerdict& verdict);
    void judgedCountsChanged(int good, int bad);
    void elapsedChanged(const QString& text);
    void sendActivityChanged(comm::RunEngine::Activity activity);
    void receiveActivityChanged(comm::RunEngine::Activity activity);
    void runningChanged(bool running);
    // The receive time limit passed; answer with answerTimeout(). Nothing moves until then.
    // waitingAtTimeout() holds the bytes that came and make no whole frame.
    void timeoutQuestion();
    // A refusal before the port was touched (incomplete frame, unusable options).
    void refused(const QString& message);
    // The port failed: code is SerialPort::kOpenFailure for a port that cannot be opened.
    void failed(int code, const QString& message);
    // A line event or line error with its message; the run (if any) has ended already.
    void lineEvent(int code, const QString& message);
    // The run ended; emitted after the displays got their last values.
    void finished(comm::RunEngine::FinishReason reason, qint64 milliseconds);

private:
    using Action = void (RunEngine::*)();

    bool prepare(int kind);
    bool openPort();
    void beginRun();
    StepMachine::Step step(Action action);
    void queue(Action action, int delayMs = 0);
    void waitForFrame(Action action);
    void onReceiveTimer();
    void onCommEvent(int code);
    void onDeviceLost(const QString& reason);

    bool sendOneFrame();
    bool takeOneFrame();
    bool countReached(int counter) const;
    void armReceiveTimer();
    void restartReceiveTimer();
    void ask(Action onContinue);
    void setSendActivity(Activity activity);
    void setReceiveActivity(Activity activity);
    qint64 endRun();
    void finish(FinishReason reason);
    void fail(const QString& message);

    void sendOnlyPass();
    void receiveOnlyPass();
    void receiveOnlyCheckCount();
    void exchangeSend();
    void exchangeWait();
    void exchangeAfterWait();
    void answerPass();
    void answerSend();

    CommDefinition def_;
    CommOptions options_;
    SerialPort& port_;
    RunOptions run_;
    LinePacer pacer_;

    ReceiveRules rules_;
    FrameReader reader_;
    std::unique_ptr<ClockTimer> gapTimer_;
    QByteArray waitingAtTimeout_;
    int good_ = 0;
    int bad_ = 0;

    QByteArray frame_;
    int frameLength_ = 0;  // R, the receive frame length
    int sent_ = 0;
    int received_ = 0;
    bool timedOut_ = false;   // set by the receive timer, acted on by the next step
    bool answered_ = false;   // kind 3: the answer to the last frame sent has been taken
    bool tookFrame_ = false;  // kind 2: the step that is running took a frame
    Activity sendActivity_ = Activity::Idle;
    Activity receiveActivity_ = Activity::Idle;

    Action onContinue_ = nullptr;
    Clock& clock_;
    StepMachine steps_;
    TimedLog log_;
};

}  // namespace comm
