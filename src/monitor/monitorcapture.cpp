#include "monitorcapture.h"

#include "serialsettings.h"

namespace comm {

using monitor::kBufferSize;
using monitor::kCaptureLimit;
using monitor::kRefreshEvery;

MonitorCapture::MonitorCapture(std::unique_ptr<SerialPort> port, Clock& clock, QObject* parent)
    : QObject(parent), port_(std::move(port)), steps_(*port_, clock) {
    capture_.reserve(kBufferSize);
    connect(port_.get(), &SerialPort::readyRead, this, &MonitorCapture::takeWaitingBytes);
    connect(&steps_, &StepMachine::deviceLost, this, &MonitorCapture::onDeviceLost);
}

MonitorCapture::~MonitorCapture() {
    stop();
}

void MonitorCapture::setCommPort(int port) {
    port_->setCommPort(port);
}

bool MonitorCapture::start(const QString& settings, QString* refusal) {
    if (listening()) return true;
    if (refusal) refusal->clear();
    // They would fail the open too; say why instead of blaming the port.
    const QString settingsRefusal = CheckPortSettings(settings);
    if (!settingsRefusal.isEmpty()) {
        if (refusal) *refusal = settingsRefusal;
        return false;
    }
    port_->setSettings(settings);
    port_->setInputMode(1);
    // Everything waiting is taken at once and then handled byte by byte, which keeps the
    // refresh rule of a one-byte read without one call per byte.
    port_->setInputLen(0);
    if (!port_->setPortOpen(true)) return false;
    port_->clearInput();

    capture_.clear();
    log_.restart(QDateTime::currentDateTime());
    received_ = 0;
    sinceRefresh_ = 0;
    lastShown_ = 0;
    waiting_ = false;
    steps_.start();
    emit listeningChanged(true);
    return true;
}

void MonitorCapture::stop() {
    if (!listening()) return;
    steps_.halt();
    waiting_ = false;
    port_->setPortOpen(false);
    emit listeningChanged(false);
}

bool MonitorCapture::replaceCapture(const QByteArray& bytes) {
    if (listening() || bytes.size() > kBufferSize) return false;
    capture_ = bytes;
    capture_.reserve(kBufferSize);
    log_.restart(QDateTime());
    return true;
}

bool MonitorCapture::startRecording(const QString& path, RecordFormat format, const QString& title,
                                    QString* error) {
    return recorder_.start(path, format, title, QDateTime::currentDateTime(), error);
}

void MonitorCapture::takeWaitingBytes() {
    // A slot of refreshed() may stop listening; the loop checks first on every pass and never
    // touches the port after that. Re-entry (a nested readyRead) leaves the work to the outer
    // pass, which goes on until nothing waits.
    if (taking_) return;
    taking_ = true;
    while (listening()) {
        const QByteArray chunk = port_->input();
        if (chunk.isEmpty()) break;
        const qint64 ms = elapsedMs();
        // What the capture keeps of the batch is logged; bytes past its limit are not.
        const int kept = qMin(int(chunk.size()), kCaptureLimit - count());
        if (kept > 0) log_.append(ms, LogDirection::Received, chunk.left(kept));
        received_ += chunk.size();
        if (recorder_.active() && !recorder_.record(ms, LogDirection::Received, chunk))
            emit recordingFailed(recorder_.error());
        int offset = 0;
        while (offset < chunk.size() && listening()) {
            const int step = qMin(int(chunk.size()) - offset, kRefreshEvery - sinceRefresh_);
            const int room = kCaptureLimit - count();
            if (room > 0) capture_.append(chunk.constData() + offset, qMin(step, room));
            offset += step;
            sinceRefresh_ += step;
            if (sinceRefresh_ >= kRefreshEvery) refresh();
        }
        emit bytesReceived(chunk, ms);
    }
    // The line is quiet for now: show what came since the last refresh.
    if (listening() && count() != lastShown_) refresh();
    taking_ = false;
}

void MonitorCapture::refresh() {
    sinceRefresh_ = 0;
    lastShown_ = count();
    emit refreshed(count());
}

void MonitorCapture::onDeviceLost(const QString& reason) {
    if (!listening()) return;
    if (count() != lastShown_) refresh();
    if (reconnect_) {
        waiting_ = true;
        const qint64 ms = elapsedMs();
        log_.append(ms, LogDirection::Lost, QByteArray());
        steps_.next([this] { retryOpen(); }, kRetryMs);
        emit deviceGone(ms, reason);
        return;
    }
    steps_.halt();
    port_->setPortOpen(false);
    emit listeningChanged(false);
    emit portLost(reason);
}

// Whatever the device sent after it came back and before this open waits in the line, so no
// discard here: every byte after the gap is captured.
void MonitorCapture::retryOpen() {
    if (!waitingForDevice()) return;
    if (!port_->setPortOpen(true)) {
        steps_.next([this] { retryOpen(); }, kRetryMs);
        return;
    }
    waiting_ = false;
    const qint64 ms = elapsedMs();
    log_.append(ms, LogDirection::Back, QByteArray());
    emit deviceBack(ms);
    takeWaitingBytes();
}

}  // namespace comm
