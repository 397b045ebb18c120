#include "memoryserialport.h"

#include "linewatcher.h"
#include "porttext.h"
#include "serialsettings.h"
#include "uartmodel.h"

namespace comm {

namespace {
// The state as the driver counters and modem lines a watcher would read.
LineSnapshot SnapshotOf(const LineState& state) {
    LineSnapshot s;
    s.hasLines = state.linesKnown;
    s.ctsOn = state.cts;
    s.dsrOn = state.dsr;
    s.dcdOn = state.dcd;
    s.ringOn = state.ring;
    s.hasCounters = state.errorsKnown;
    s.frame = state.framing;
    s.parity = state.parity;
    s.overrun = state.overrun;
    s.brk = state.breaks;
    return s;
}
}  // namespace

MemorySerialPort::MemorySerialPort(QObject* parent) : SerialPortBase(parent) {
    device_.linesKnown = true;
    device_.errorsKnown = true;
}

bool MemorySerialPort::setPortOpen(bool open) {
    if (open == open_) return true;
    if (!open) {
        open_ = false;
        lowLatency_ = false;
        buffer_.clear();
        setLineState(LineState());
        return true;
    }
    PortSettings settings;
    if (!checkBeforeOpen(&settings)) return false;
    QString reason;
    Problem problem = Problem::Other;
    if (!nextOpenFailure_.isNull()) {
        reason = nextOpenFailure_;
        nextOpenFailure_ = QString();
    } else if (vanished_) {
        reason = vanishReason_;
        problem = Problem::Missing;
    } else if (busy_) {
        reason = PortInUseText(deviceName());
        problem = Problem::Taken;
    }
    if (!reason.isNull()) {
        setOpenFailure(deviceName(), problem, reason);
        return false;
    }
    open_ = true;
    ++openCount_;
    dtr_ = rts_ = true;
    breakOn_ = false;
    flow_ = FlowControl::None;
    if (discardOnOpen_) line_.clear();
    discardOnOpen_ = false;
    buffer_ = line_;
    line_.clear();
    device_.framing = device_.parity = device_.overrun = device_.breaks = 0;
    device_.open = true;
    setLineState(device_);
    if (!buffer_.isEmpty()) postReadyRead();
    return true;
}

bool MemorySerialPort::setDtr(bool on) {
    if (!checkLineControl(true, modemLines_)) return false;
    dtr_ = on;
    return true;
}

bool MemorySerialPort::setRts(bool on) {
    if (!checkLineControl(true, modemLines_)) return false;
    rts_ = on;
    return true;
}

bool MemorySerialPort::setBreak(bool on) {
    if (!checkLineControl(true, modemLines_)) return false;
    if (on && !breakOn_) ++breakCount_;
    breakOn_ = on;
    return true;
}

bool MemorySerialPort::setFlowControl(FlowControl flow) {
    if (!checkLineControl(flow == FlowControl::RtsCts, modemLines_)) return false;
    flow_ = flow;
    return true;
}

void MemorySerialPort::clearInput() {
    buffer_.clear();
    if (!open_) discardOnOpen_ = true;
}

QByteArray MemorySerialPort::input() {
    QByteArray taken = buffer_.left(readLength(int(buffer_.size())));
    buffer_.remove(0, taken.size());
    return taken;
}

bool MemorySerialPort::output(const QByteArray& bytes) {
    if (!open_) {
        setFailure(kNotOpen, PortNotOpenText());
        return false;
    }
    if (!nextOutputFailure_.isNull()) {
        setFailure(kDeviceFailure, nextOutputFailure_);
        nextOutputFailure_ = QString();
        return false;
    }
    if (bytes.isEmpty()) return true;
    written_ += bytes;
    emit bytesWritten(bytes);
    return true;
}

void MemorySerialPort::setReportsLineErrors(bool reports) {
    device_.errorsKnown = reports;
    if (open_) setLineState(device_);
}

bool MemorySerialPort::setLowLatency(bool on) {
    if (!open_) return false;
    lowLatency_ = on;
    return true;
}

void MemorySerialPort::arrive(const QByteArray& bytes) {
    if (vanished_ || bytes.isEmpty()) return;
    if (!open_) {
        line_ += bytes;
        return;
    }
    buffer_ += bytes;
    postReadyRead();
}

void MemorySerialPort::inject(const QByteArray& bytes) {
    arrive(bytes);
}

void MemorySerialPort::injectFromDevice(const LineSettings& device, const QByteArray& bytes) {
    LineSettings receiver;
    if (!CheckLineSettings(settings(), &receiver).isEmpty()) {
        arrive(bytes);  // a port that cannot open at these settings never decodes them
        return;
    }
    const UartDelivery d = Deliver(ReceiveThroughUart(device, bytes, receiver));
    arrive(d.bytes);
    if (!open_ || !device_.errorsKnown) return;
    LineSnapshot before;
    before.hasCounters = true;
    LineSnapshot after = before;
    after.frame = d.errors.frame;
    after.parity = d.errors.parity;
    after.brk = d.errors.brk;
    for (int code : LineEventsBetween(before, after)) postEvent(code);
}

void MemorySerialPort::injectEvent(int code) {
    postEvent(code);
}

void MemorySerialPort::injectLineState(const LineState& state) {
    const LineState before = device_;
    device_ = state;
    device_.open = open_;
    if (!open_) return;
    setLineState(device_);
    for (int code : LineEventsBetween(SnapshotOf(before), SnapshotOf(device_))) postEvent(code);
}

void MemorySerialPort::failNextOpen(const QString& reason) {
    nextOpenFailure_ = reason.isNull() ? QStringLiteral("") : reason;
}

void MemorySerialPort::setBusy(bool busy) {
    busy_ = busy;
}

void MemorySerialPort::vanish(const QString& reason) {
    if (vanished_) return;
    vanished_ = true;
    vanishReason_ = reason.isNull() ? QStringLiteral("") : reason;
    line_.clear();
    if (!open_) return;
    open_ = false;
    lowLatency_ = false;
    buffer_.clear();
    setLineState(LineState());
    postDeviceLost(vanishReason_);
}

void MemorySerialPort::reattach() {
    vanished_ = false;
    vanishReason_.clear();
}

void MemorySerialPort::failNextOutput(const QString& reason) {
    nextOutputFailure_ = reason.isNull() ? QStringLiteral("") : reason;
}

}  // namespace comm
