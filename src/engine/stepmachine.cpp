#include "stepmachine.h"

#include "serialport.h"

namespace comm {

StepMachine::StepMachine(SerialPort& port, Clock& clock, QObject* parent)
    : QObject(parent),
      port_(port),
      clock_(clock),
      stepTimer_(clock.makeTimer()),
      limitTimer_(clock.makeTimer()),
      quietTimer_(clock.makeTimer()) {
    connect(stepTimer_.get(), &ClockTimer::timeout, this, &StepMachine::onStepTimer);
    connect(limitTimer_.get(), &ClockTimer::timeout, this, &StepMachine::onLimitTimer);
    connect(quietTimer_.get(), &ClockTimer::timeout, this, &StepMachine::onQuietTimer);
    connect(&port_, &SerialPort::readyRead, this, &StepMachine::onReadyRead);
    connect(&port_, &SerialPort::commNotified, this, &StepMachine::lineEvent);
    connect(&port_, &SerialPort::deviceLost, this, &StepMachine::deviceLost);
}

StepMachine::~StepMachine() = default;

void StepMachine::start(Since since) {
    running_ = true;
    if (since == Since::Start) markStart();
}

void StepMachine::markStart() {
    startNs_ = clock_.nowNs();
}

void StepMachine::halt() {
    running_ = false;
    waiting_ = Waiting::Nothing;
    step_ = nullptr;
    onLimit_ = nullptr;
    stepTimer_->stop();
    limitTimer_->stop();
    endQuiet();
}

qint64 StepMachine::elapsedMs() const {
    return (clock_.nowNs() - startNs_) / 1000000;
}

void StepMachine::next(Step step, int delayMs) {
    if (!running_) return;
    endQuiet();
    step_ = std::move(step);
    waiting_ = delayMs > 0 ? Waiting::Pause : Waiting::Step;
    stepTimer_->start(qMax(0, delayMs));
}

void StepMachine::waitForBytes(int count, Step step) {
    waitForBytes(count, std::move(step), 0, nullptr);
}

void StepMachine::waitForBytes(int count, Step step, int quietMs, Step onQuiet) {
    if (!running_) return;
    if (port_.inBufferCount() >= count) {
        next(std::move(step));
        return;
    }
    stepTimer_->stop();
    endQuiet();
    step_ = std::move(step);
    wantBytes_ = count;
    quietMs_ = onQuiet ? quietMs : 0;
    onQuiet_ = std::move(onQuiet);
    waiting_ = Waiting::Bytes;
}

void StepMachine::hold() {
    if (!running_) return;
    stepTimer_->stop();
    endQuiet();
    step_ = nullptr;
    waiting_ = Waiting::Held;
}

void StepMachine::wake() {
    if (running_ && waiting_ == Waiting::Bytes) next(std::move(step_));
}

void StepMachine::armLimit(int ms, Step onLimit) {
    if (!running_) return;
    onLimit_ = std::move(onLimit);
    limitTimer_->start(qMax(0, ms));
}

void StepMachine::cancelLimit() {
    limitTimer_->stop();
    onLimit_ = nullptr;
}

bool StepMachine::limitActive() const {
    return limitTimer_->isActive();
}

void StepMachine::onStepTimer() {
    if (!running_ || !step_) return;
    // The step may set the next one; take it out first.
    Step step = std::move(step_);
    step_ = nullptr;
    waiting_ = Waiting::Nothing;
    step();
}

void StepMachine::onReadyRead() {
    if (!running_ || waiting_ != Waiting::Bytes) return;
    // Part of what is awaited changes nothing the step would do: only enough bytes move it.
    const int waiting = port_.inBufferCount();
    if (waiting >= wantBytes_)
        next(std::move(step_));
    else if (waiting > 0 && quietMs_ > 0)
        quietTimer_->start(quietMs_);
}

void StepMachine::onLimitTimer() {
    if (!running_ || !onLimit_) return;
    Step onLimit = std::move(onLimit_);
    onLimit_ = nullptr;
    onLimit();
}

void StepMachine::onQuietTimer() {
    if (!running_ || waiting_ != Waiting::Bytes || !onQuiet_) return;
    const int waiting = port_.inBufferCount();
    if (waiting == 0 || waiting >= wantBytes_) return;
    Step onQuiet = std::move(onQuiet_);
    endQuiet();
    step_ = nullptr;
    waiting_ = Waiting::Nothing;
    onQuiet();
}

void StepMachine::endQuiet() {
    quietTimer_->stop();
    onQuiet_ = nullptr;
    quietMs_ = 0;
}

}  // namespace comm
