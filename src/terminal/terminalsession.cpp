#include "terminalsession.h"

#include <QDateTime>
#include <QFile>

#include "porttext.h"
#include "stepmachine.h"
#include "terminaltext.h"

namespace comm {

TerminalSession::TerminalSession(std::unique_ptr<SerialPort> port, Clock& clock, QObject* parent)
    : QObject(parent), port_(std::move(port)), machine_(new StepMachine(*port_, clock, this)) {
    connect(machine_, &StepMachine::deviceLost, this, &TerminalSession::onDeviceLost);
}

TerminalSession::~TerminalSession() {
    close();
}

void TerminalSession::setCommPort(int port) {
    port_->setCommPort(port);
}

bool TerminalSession::open(const QString& settings, FlowControl flow, bool dtr, bool rts,
                           QString* error, QString* notice) {
    if (open_) return true;
    port_->setSettings(settings);
    port_->setInputMode(1);
    port_->setInputLen(0);
    if (!port_->setPortOpen(true)) {
        *error = port_->failure().reason;
        return false;
    }
    open_ = true;
    received_ = sent_ = 0;
    machine_->start();
    // The levels the user chose stand from the open on; a device without modem lines keeps
    // its own, and the user is told once.
    QStringList refused;
    if (flow != FlowControl::None && !port_->setFlowControl(flow))
        refused << port_->failure().reason;
    if (!port_->setDtr(dtr) || !port_->setRts(rts)) refused << port_->failure().reason;
    refused.removeDuplicates();
    if (notice) *notice = refused.join(QLatin1Char('\n'));
    emit openChanged(true);
    waitForInput();
    return true;
}

void TerminalSession::close() {
    if (!open_) return;
    open_ = false;
    breaking_ = false;
    machine_->halt();
    port_->setPortOpen(false);
    emit openChanged(false);
}

qint64 TerminalSession::elapsedMs() const {
    return machine_->elapsedMs();
}

bool TerminalSession::send(const QByteArray& bytes, QString* error) {
    if (!open_ || !port_->output(bytes)) {
        *error = open_ ? port_->failure().reason : PortNotOpenText();
        return false;
    }
    sent_ += bytes.size();
    const qint64 ms = elapsedMs();
    record(LogDirection::Sent, bytes, ms);
    emit sent(bytes, ms);
    return true;
}

bool TerminalSession::sendFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = FileNotReadText(path, file.errorString());
        return false;
    }
    if (file.size() > kMaxFileBytes) {
        *error = FileTooLargeText(path, kMaxFileBytes);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty()) {
        *error = EmptyFileText(path);
        return false;
    }
    return send(bytes, error);
}

bool TerminalSession::lineControl(bool ok, QString* error) {
    if (!ok) *error = port_->failure().reason;
    return ok;
}

bool TerminalSession::setDtr(bool on, QString* error) {
    return lineControl(port_->setDtr(on), error);
}

bool TerminalSession::setRts(bool on, QString* error) {
    return lineControl(port_->setRts(on), error);
}

bool TerminalSession::sendBreak(QString* error) {
    if (breaking_) return true;
    if (!lineControl(port_->setBreak(true), error)) return false;
    breaking_ = true;
    machine_->armLimit(kBreakMs, [this] {
        breaking_ = false;
        port_->setBreak(false);
        emit breakEnded();
    });
    return true;
}

bool TerminalSession::startRecording(const QString& path, RecordFormat format, const QString& title,
                                     QString* error) {
    return recorder_.start(path, format, title, QDateTime::currentDateTime(), error);
}

void TerminalSession::stopRecording() {
    recorder_.stop();
}

void TerminalSession::waitForInput() {
    machine_->waitForBytes(1, [this] { takeInput(); });
}

void TerminalSession::takeInput() {
    // Everything waiting is one batch: the view and the recording keep up with any rate the
    // line has, one pass per arrival.
    const QByteArray batch = port_->input();
    if (!batch.isEmpty()) {
        received_ += batch.size();
        const qint64 ms = elapsedMs();
        record(LogDirection::Received, batch, ms);
        emit received(batch, ms);
    }
    if (open_) waitForInput();
}

void TerminalSession::record(LogDirection direction, const QByteArray& bytes, qint64 ms) {
    if (!recorder_.active()) return;
    if (!recorder_.record(ms, direction, bytes)) emit recordingFailed(recorder_.error());
}

void TerminalSession::onDeviceLost(const QString& reason) {
    if (!open_) return;
    open_ = false;
    breaking_ = false;
    machine_->halt();
    emit openChanged(false);
    emit portLost(reason);
}

}  // namespace comm
