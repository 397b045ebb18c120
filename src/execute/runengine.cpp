#include "runengine.h"

#include <cmath>

#include "commkind.h"
#include "runtext.h"
#include "sendframe.h"
#include "serialsettings.h"

namespace comm {

namespace {
constexpr int kRawInput = 1;
constexpr int kExchangePauseMs = 100;
}  // namespace

RunEngine::RunEngine(const CommDefinition& def, const CommOptions& options, SerialPort& port,
                     Clock& clock, QObject* parent)
    : QObject(parent),
      def_(def),
      options_(options),
      port_(port),
      pacer_(def.CommSettings),
      reader_(port, clock),
      clock_(clock),
      steps_(port, clock) {
    port_.setSettings(def_.CommSettings);
    port_.setInputMode(kRawInput);
    connect(&steps_, &StepMachine::lineEvent, this, &RunEngine::onCommEvent);
    connect(&steps_, &StepMachine::deviceLost, this, &RunEngine::onDeviceLost);
    // The quiet gap that ends a frame passes without a byte: it wakes the wait for bytes.
    gapTimer_ = clock_.makeTimer(this);
    connect(gapTimer_.get(), &ClockTimer::timeout, this, [this] {
        if (isRunning()) steps_.wake();
    });
}

RunEngine::~RunEngine() {
    abort();
}

RunEngine::StartResult RunEngine::start() {
    if (isRunning()) return StartResult::Started;

    sent_ = 0;
    received_ = 0;
    good_ = 0;
    bad_ = 0;
    if (rules_.check) emit judgedCountsChanged(0, 0);
    emit sentCountChanged(0);
    emit receivedCountChanged(0);
    emit elapsedChanged(ElapsedText(0));
    emit sendListingCleared();
    emit receiveListingCleared();
    steps_.markStart();
    log_.restart(QDateTime::currentDateTime());

    const int kind = def_.CommKind;
    if (!IsCommKind(kind)) return StartResult::NoKind;

    if (!prepare(kind)) return StartResult::Refused;

    timedOut_ = false;
    steps_.cancelLimit();
    switch (kind) {
        case 1:
            if (!openPort()) return StartResult::OpenFailed;
            beginRun();
            pacer_.reset(clock_.nowNs());
            queue(&RunEngine::sendOnlyPass);
            break;
        case 2:
        case 4:
            if (!openPort()) return StartResult::OpenFailed;
            port_.setInputLen(frameLength_);
            beginRun();
            reader_.clear();
            queue(kind == 2 ? &RunEngine::receiveOnlyPass : &RunEngine::answerPass);
            break;
        case 3:
            // This kind sets up the input before opening; the port keeps both for the open.
            port_.setInputLen(frameLength_);
            reader_.clear();
            if (!openPort()) return StartResult::OpenFailed;
            beginRun();
            queue(&RunEngine::exchangeSend, kExchangePauseMs);
            break;
    }
    return StartResult::Started;
}

// Everything a run needs before it touches the port: the options, the send frame and its
// listing, the receive frame length and settings the driver can run. False after a refusal.
bool RunEngine::prepare(int kind) {
    const CommKindRules& rules = KindRules(kind);
    QString error;
    if (!ResolveRunOptions(kind, options_, &run_, &error)) {
        emit refused(error);
        return false;
    }

    if (rules.sends) {
        const SendFrame frame = BuildSendFrame(def_);
        if (frame.invalid) {
            emit refused(BrokenSendFrameMessage());
            return false;
        }
        if (rules.listsIncompleteSend) emit sendListingAppended(frame.listing);
        if (frame.incomplete) {
            emit refused(IncompleteMessage());
            return false;
        }
        if (!rules.listsIncompleteSend) emit sendListingAppended(frame.listing);
        if (frame.bytes.isEmpty()) {
            emit refused(EmptySendFrameMessage());
            return false;
        }
        frame_ = frame.bytes;
    }
    if (rules.receives) {
        frameLength_ = ReceiveFrameLength(def_);
        if (frameLength_ <= 0) {
            // An empty receive frame would be "taken" on every step without end.
            emit refused(frameLength_ < 0 ? BrokenReceiveFrameMessage()
                                          : EmptyReceiveFrameMessage());
            return false;
        }
        QVector<int> start;
        for (int i = 0; i < def_.count(FrameSide::Recv, Field::Start); ++i)
            start.append(def_.RecvStartBytes[i]);
        reader_.configure(frameLength_, start, rules_, def_.CommSettings);
    }

    // Settings the driver cannot run would fail the open; say why instead of "not free".
    const QString settingsRefusal = CheckLineSettings(def_.CommSettings);
    if (!settingsRefusal.isEmpty()) {
        emit refused(settingsRefusal);
        return false;
    }
    return true;
}

void RunEngine::stop() {
    if (!isRunning()) return;
    setSendActivity(Activity::Idle);
    setReceiveActivity(Activity::Idle);
    timedOut_ = false;
    finish(FinishReason::Stopped);
}

void RunEngine::answerTimeout(bool continueRun) {
    if (!timeoutQuestionPending()) return;
    if (continueRun) {
        restartReceiveTimer();
        queue(onContinue_);
        return;
    }
    answered_ = true;
    finish(FinishReason::Timeout);
}

void RunEngine::abort() {
    if (!isRunning()) return;
    steps_.halt();
    gapTimer_->stop();
    port_.setPortOpen(false);
}

bool RunEngine::openPort() {
    if (port_.setPortOpen(true)) return true;
    const SerialPort::Failure failure = port_.failure();
    if (failure.code == SerialPort::kOpenFailure)
        emit failed(failure.code, BusyPortMessage());
    else
        emit failed(failure.code, OpenFailedMessage(failure.reason));
    return false;
}

void RunEngine::beginRun() {
    steps_.start(StepMachine::Since::Mark);
    emit runningChanged(true);
}

StepMachine::Step RunEngine::step(Action action) {
    return [this, action] { (this->*action)(); };
}

void RunEngine::queue(Action action, int delayMs) {
    if (isRunning()) steps_.next(step(action), delayMs);
}

// Only a whole frame moves a run on; part of one changes nothing the next step would do. With a
// quiet gap, the gap passing after the last byte ends a frame too.
void RunEngine::waitForFrame(Action action) {
    if (!isRunning()) return;
    steps_.waitForBytes(reader_.bytesWanted(), step(action));
    const int quietMs = reader_.msUntilQuiet();
    if (quietMs >= 0) gapTimer_->start(quietMs);
}

void RunEngine::onReceiveTimer() {
    timedOut_ = true;
    steps_.wake();
}

void RunEngine::onCommEvent(int code) {
    const QString message = LineEventMessage(code);
    if (message.isEmpty()) return;
    if (!isRunning()) {
        emit lineEvent(code, message);
        return;
    }
    const qint64 ms = endRun();
    emit lineEvent(code, message);
    emit finished(FinishReason::LineEvent, ms);
}

void RunEngine::onDeviceLost(const QString& reason) {
    if (!isRunning()) return;
    const int code = port_.failure().code;
    const qint64 ms = endRun();
    emit failed(code, DeviceLostMessage(reason));
    emit finished(FinishReason::DeviceLost, ms);
}

void RunEngine::fail(const QString& message) {
    const SerialPort::Failure failure = port_.failure();
    const qint64 ms = endRun();
    emit failed(failure.code,
                failure.reason.isEmpty() ? message : WithFailureReason(message, failure.reason));
    emit finished(FinishReason::Failure, ms);
}

void RunEngine::finish(FinishReason reason) {
    if (!isRunning()) return;
    const qint64 ms = endRun();
    emit finished(reason, ms);
}

// Finishing a run: stop everything, release the port, show the elapsed time.
qint64 RunEngine::endRun() {
    const qint64 ms = elapsedMs();
    steps_.halt();
    gapTimer_->stop();
    port_.setPortOpen(false);
    emit runningChanged(false);
    emit elapsedChanged(ElapsedText(ms));
    return ms;
}

bool RunEngine::countReached(int counter) const {
    return run_.counted && run_.count - 1.0 < double(counter);
}

bool RunEngine::sendOneFrame() {
    if (!port_.output(frame_)) {
        fail(SendFailedMessage());
        return false;
    }
    pacer_.sent(int(frame_.size()), clock_.nowNs());
    ++sent_;
    const qint64 ms = elapsedMs();
    log_.append(ms, LogDirection::Sent, frame_);
    emit sentCountChanged(sent_);
    emit frameSent(sent_, ms);
    return isRunning();
}

bool RunEngine::takeOneFrame() {
    const QByteArray bytes = reader_.take();
    ++received_;
    const qint64 ms = elapsedMs();
    log_.append(ms, LogDirection::Received, bytes);
    if (rules_.check) {
        const FrameVerdict verdict = JudgeFrame(def_, bytes);
        ++(verdict.match ? good_ : bad_);
        emit receiveListingAppended(JudgedBlock(received_, bytes, def_, verdict));
        emit frameJudged(received_, verdict);
        emit judgedCountsChanged(good_, bad_);
    } else {
        emit receiveListingAppended(ReceivedBlock(received_, bytes, def_));
    }
    emit receivedCountChanged(received_);
    emit frameReceived(received_, bytes, ms);
    return isRunning();
}

void RunEngine::armReceiveTimer() {
    if (run_.receiveLimitMs <= 0) {
        steps_.cancelLimit();
        return;
    }
    if (!timedOut_ && !steps_.limitActive())
        steps_.armLimit(run_.receiveLimitMs, [this] { onReceiveTimer(); });
}

void RunEngine::restartReceiveTimer() {
    timedOut_ = false;
    if (run_.receiveLimitMs > 0) steps_.armLimit(run_.receiveLimitMs, [this] { onReceiveTimer(); });
}

void RunEngine::ask(Action onContinue) {
    if (!isRunning()) return;
    onContinue_ = onContinue;
    waitingAtTimeout_ = reader_.waiting();
    // Listed only when the run cuts or judges frames, so a plain run's listing stays as it was.
    if (rules_.any() && !waitingAtTimeout_.isEmpty()) {
        const FrameVerdict verdict = JudgeFrame(def_, waitingAtTimeout_);
        emit receiveListingAppended(
            IncompleteBlock(waitingAtTimeout_, def_, rules_.check ? &verdict : nullptr));
    }
    steps_.hold();
    // Last thing this step does: the answer may come back before emit returns.
    emit timeoutQuestion();
}

void RunEngine::setSendActivity(Activity activity) {
    if (sendActivity_ == activity) return;
    sendActivity_ = activity;
    emit sendActivityChanged(activity);
}

void RunEngine::setReceiveActivity(Activity activity) {
    if (receiveActivity_ == activity) return;
    receiveActivity_ = activity;
    emit receiveActivityChanged(activity);
}

// Kind 1: frames back to back, as fast as the line takes them.
void RunEngine::sendOnlyPass() {
    const qint64 waitNs = pacer_.waitNs(clock_.nowNs());
    if (waitNs > 0) {
        queue(&RunEngine::sendOnlyPass, int(std::ceil(double(waitNs) / 1e6)));
        return;
    }
    setSendActivity(Activity::Sending);
    if (!sendOneFrame()) return;
    if (countReached(sent_)) {
        setSendActivity(Activity::Idle);
        finish(FinishReason::Count);
        return;
    }
    queue(&RunEngine::sendOnlyPass);
}

// Kind 2: take each whole frame; ask when the limit passes without one.
void RunEngine::receiveOnlyPass() {
    tookFrame_ = reader_.frameWaiting();
    if (tookFrame_) {
        steps_.cancelLimit();
        timedOut_ = false;
        setReceiveActivity(Activity::Receiving);
        if (!takeOneFrame()) return;
    } else {
        setReceiveActivity(Activity::Idle);
        armReceiveTimer();
    }
    if (timedOut_) {
        ask(&RunEngine::receiveOnlyCheckCount);
        return;
    }
    receiveOnlyCheckCount();
}

void RunEngine::receiveOnlyCheckCount() {
    if (countReached(received_)) {
        setReceiveActivity(Activity::Idle);
        finish(FinishReason::Count);
        return;
    }
    // After a frame the next step runs at once: with no whole frame left it shows the idle
    // picture and starts the limit again. Otherwise only a whole frame or the limit moves on.
    if (tookFrame_ || reader_.frameWaiting())
        queue(&RunEngine::receiveOnlyPass);
    else
        waitForFrame(&RunEngine::receiveOnlyPass);
}

// Kind 3: after the 100 ms pause send the frame, then wait for its answer.
void RunEngine::exchangeSend() {
    if (!sendOneFrame()) return;
    reader_.clear();
    answered_ = false;
    setSendActivity(Activity::Idle);
    exchangeWait();
}

void RunEngine::exchangeWait() {
    if (reader_.frameWaiting()) {
        steps_.cancelLimit();
        timedOut_ = false;
        if (!takeOneFrame()) return;
        answered_ = true;
        if (countReached(sent_)) {
            finish(FinishReason::Count);
            return;
        }
    } else {
        armReceiveTimer();
    }
    if (timedOut_) {
        ask(&RunEngine::exchangeAfterWait);
        return;
    }
    exchangeAfterWait();
}

void RunEngine::exchangeAfterWait() {
    if (answered_)
        queue(&RunEngine::exchangeSend, kExchangePauseMs);
    else if (reader_.frameWaiting())
        queue(&RunEngine::exchangeWait);
    else
        waitForFrame(&RunEngine::exchangeWait);
}

// Kind 4: wait as long as it takes for the device's frame, pause, answer with the send frame.
void RunEngine::answerPass() {
    if (!reader_.frameWaiting()) {
        waitForFrame(&RunEngine::answerPass);
        return;
    }
    if (!takeOneFrame()) return;
    queue(&RunEngine::answerSend, run_.answerPauseMs);
}

void RunEngine::answerSend() {
    if (!sendOneFrame()) return;
    if (countReached(received_)) {
        finish(FinishReason::Count);
        return;
    }
    queue(&RunEngine::answerPass);
}

}  // namespace comm
