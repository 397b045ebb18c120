#include "transferengine.h"

#include "porttext.h"
#include "serialport.h"
#include "transferframe.h"

namespace comm {

TransferEngine::TransferEngine(const transfer::SideWords& words, SerialPort& port, Clock& clock,
                               QObject* parent)
    : QObject(parent),
      words_(words),
      clock_(clock),
      steps_(std::make_unique<StepMachine>(port, clock)),
      clockTimer_(clock.makeTimer()),
      rateTimer_(clock.makeTimer()) {
    connect(clockTimer_.get(), &ClockTimer::timeout, this, &TransferEngine::onClockTick);
    connect(rateTimer_.get(), &ClockTimer::timeout, this, &TransferEngine::onRateTick);
    connect(steps_.get(), &StepMachine::deviceLost, this, [this](const QString& reason) {
        if (isRunning()) end(Outcome::Failed, transfer::PortLostMessage(reason));
    });
    port.setSettings(transfer::kLineSettings);
    port.setInputMode(1);
}

TransferEngine::~TransferEngine() {
    // The sides abort in their own destructors, while their files still exist.
    if (isRunning()) port().setPortOpen(false);
}

void TransferEngine::stop() {
    if (isRunning()) end(Outcome::Stopped, stopMessage());
}

void TransferEngine::abort() {
    if (!isRunning()) return;
    steps_->halt();
    clockTimer_->stop();
    rateTimer_->stop();
    releaseFile(Outcome::Stopped);
    port().setPortOpen(false);
    emit runningChanged(false);
}

void TransferEngine::resetDisplay() {
    if (!resetPending_ || isRunning()) return;
    resetPending_ = false;
    if (framesAfterMessage_ >= 0) showFrames(framesAfterMessage_);
    framesAfterMessage_ = -1;
    emit progressTextChanged(words_.progress + QLatin1Char(' '));
    emit framesTextChanged(words_.frames + QLatin1Char(' '));
    emit nameTextChanged(transfer::NameCaption());
    emit sizeTextChanged(transfer::SizeCaption());
    emit progressValueChanged(0);
    emit clockCaptionChanged(words_.title);
    resetSide();
}

bool TransferEngine::openPort(int inputLen) {
    SerialPort& p = port();
    p.setSettings(transfer::kLineSettings);
    p.setInputMode(1);
    p.setInputLen(inputLen);
    if (!p.setPortOpen(true)) {
        refuse(Outcome::PortFailed, BusyPortMessage());
        return false;
    }
    p.clearInput();
    // A stop-and-wait line waits out an adapter's latency timer twice a frame.
    p.setLowLatency(true);
    return true;
}

void TransferEngine::beginRun() {
    resetPending_ = false;
    framesAfterMessage_ = -1;
    doneBytes_ = 0;
    totalBytes_ = 0;
    steps_->start();
    seconds_ = 0;
    clockTimer_->start(1000);
    emit runningChanged(true);
    emit clockCaptionChanged(transfer::ClockCaption(words_.title, 0));
    digest_.clear();
    emit rateTextChanged(QString());
    emit digestTextChanged(QString());
}

void TransferEngine::beginData(qint64 totalBytes) {
    totalBytes_ = totalBytes;
    doneBytes_ = 0;
    dataStartMs_ = clock_.nowMs();
    showRate();
    rateTimer_->start(kRateRefreshMs);
}

void TransferEngine::addDone(qint64 bytes) {
    doneBytes_ += bytes;
}

bool TransferEngine::send(const QByteArray& bytes) {
    // Stop-and-wait: every pass of the event loop before the write is time the peer waits.
    if (port().output(bytes)) {
        port().flushOutput();
        return true;
    }
    end(Outcome::Failed, transfer::PortWriteMessage(port().failure().reason));
    return false;
}

void TransferEngine::showProgress(int percent) {
    emit progressTextChanged(transfer::ProgressText(words_.progress, percent));
}

void TransferEngine::showFrames(qint64 frames) {
    emit framesTextChanged(transfer::FramesText(words_.frames, frames));
}

void TransferEngine::showDigest(bool asWritten, const QByteArray& sha256) {
    digest_ = sha256;
    emit digestTextChanged(transfer::DigestText(asWritten, sha256));
}

void TransferEngine::end(Outcome outcome, const QString& message) {
    if (!isRunning()) return;
    steps_->halt();
    clockTimer_->stop();
    if (rateTimer_->isActive()) {
        rateTimer_->stop();
        showRate();
    }
    releaseFile(outcome);
    port().setPortOpen(false);
    resetPending_ = true;
    emit runningChanged(false);
    emit finished(outcome, message);
}

void TransferEngine::refuse(Outcome outcome, const QString& message) {
    emit finished(outcome, message);
}

void TransferEngine::onClockTick() {
    ++seconds_;
    emit clockCaptionChanged(transfer::ClockCaption(words_.title, seconds_));
    // Due at whole seconds from the start, so the caption keeps step with the time.
    const qint64 nextMs = (seconds_ + 1) * 1000;
    clockTimer_->start(int(qMax<qint64>(0, nextMs - steps_->elapsedMs())));
}

void TransferEngine::onRateTick() {
    showRate();
    rateTimer_->start(kRateRefreshMs);
}

void TransferEngine::showRate() {
    emit rateTextChanged(
        transfer::RateText(doneBytes_, clock_.nowMs() - dataStartMs_, totalBytes_));
}

}  // namespace comm
