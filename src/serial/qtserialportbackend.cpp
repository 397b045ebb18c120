#include "qtserialportbackend.h"

#include <QFileInfo>
#include <QSerialPort>

#include "linewatcher.h"
#include "lowlatency.h"
#include "ownedbytes.h"
#include "portmap.h"
#include "porttext.h"
#include "serialsettings.h"

namespace comm {

namespace {
QSerialPort::Parity QtParity(const PortSettings& settings) {
    if (settings.stick == StickParity::Mark) return QSerialPort::MarkParity;
    if (settings.stick == StickParity::Space) return QSerialPort::SpaceParity;
    switch (settings.line.parity) {
        case Parity::Even:
            return QSerialPort::EvenParity;
        case Parity::Odd:
            return QSerialPort::OddParity;
        case Parity::None:
            break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits QtStopBits(StopBits stop) {
    switch (stop) {
        case StopBits::OneAndHalf:
            return QSerialPort::OneAndHalfStop;
        case StopBits::Two:
            return QSerialPort::TwoStop;
        case StopBits::One:
            break;
    }
    return QSerialPort::OneStop;
}
QString LostReason(int error) {
    switch (error) {
        case QSerialPort::ResourceError:
            return PortLostText(PortLoss::Removed);
        case QSerialPort::ReadError:
            return PortLostText(PortLoss::Read);
        default:
            return PortLostText(PortLoss::Write);
    }
}

// Bytes taken from the driver ahead of the reader. A far end that sends faster than the run
// reads fills this and then the driver's own buffer, and is slowed (or, on a real line, loses
// bytes as an overrun the driver reports) instead of filling memory. Far more than any frame.
constexpr qint64 kReadBufferSize = qint64(256) * 1024;
}  // namespace

QtSerialPortBackend::QtSerialPortBackend(QObject* parent)
    : SerialPortBase(parent), serial_(new QSerialPort(this)), watcher_(new LineWatcher(this)) {
    serial_->setReadBufferSize(kReadBufferSize);
    connect(serial_, &QSerialPort::readyRead, this, [this] {
        watcher_->check();
        postReadyRead();
    });
    connect(serial_, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { onError(error); });
    connect(watcher_, &LineWatcher::stateChanged, this,
            [this](const LineState& state) { setLineState(state); });
    connect(watcher_, &LineWatcher::lineEvent, this, [this](int code) { postEvent(code); });
}

QtSerialPortBackend::~QtSerialPortBackend() {
    closeDevice();
}

bool QtSerialPortBackend::setPortOpen(bool open) {
    if (open == serial_->isOpen()) return true;
    if (!open) {
        closeDevice();
        return true;
    }
    PortSettings settings;
    if (!checkBeforeOpen(&settings)) return false;
    const QString device = deviceName();
    if (device.isEmpty()) {
        setOpenFailure(QString(), Problem::NoDevice, NoDeviceText(commPort()));
        return false;
    }
    serial_->setPortName(device);
    // Applied before the open: a pseudo-terminal refuses parity and data bit changes while open.
    serial_->setBaudRate(settings.line.baudRate);
    serial_->setDataBits(QSerialPort::DataBits(settings.line.dataBits));
    serial_->setParity(QtParity(settings));
    serial_->setStopBits(QtStopBits(settings.line.stopBits));
    serial_->setFlowControl(QSerialPort::NoFlowControl);
    TellLineSimulator(device, settings.line);
    if (!serial_->open(QIODevice::ReadWrite)) {
        setOpenFailure(device, problemOf(device),
                       QStringLiteral("%1: %2").arg(device, serial_->errorString()));
        serial_->clearError();
        return false;
    }
    if (discardOnOpen_) serial_->clear(QSerialPort::Input);
    discardOnOpen_ = false;
    if (!watcher_->start(serial_->handle())) {
        LineState unknown;
        unknown.open = true;
        setLineState(unknown);
    }
    return true;
}

bool QtSerialPortBackend::portOpen() const {
    return serial_->isOpen();
}

int QtSerialPortBackend::inBufferCount() const {
    return serial_->isOpen() ? int(serial_->bytesAvailable()) : 0;
}

void QtSerialPortBackend::clearInput() {
    if (serial_->isOpen()) {
        serial_->clear(QSerialPort::Input);
        resumeReading();
    } else
        discardOnOpen_ = true;
}

QByteArray QtSerialPortBackend::input() {
    if (!serial_->isOpen()) return {};
    const QByteArray bytes = serial_->read(readLength(int(serial_->bytesAvailable())));
    resumeReading();
    return OwnedBytes(bytes);
}

// QSerialPort stops reading the driver while its buffer is full and starts again only when a
// read empties it; a reader that takes part of it (one frame) would wait for ever.
void QtSerialPortBackend::resumeReading() {
    if (serial_->isOpen() && serial_->bytesAvailable() < kReadBufferSize)
        serial_->setReadBufferSize(kReadBufferSize);
}

bool QtSerialPortBackend::output(const QByteArray& bytes) {
    if (!serial_->isOpen()) {
        setFailure(kNotOpen, PortNotOpenText());
        return false;
    }
    if (serial_->write(bytes) != bytes.size()) {
        setFailure(kDeviceFailure,
                   QStringLiteral("%1: %2").arg(deviceName(), serial_->errorString()));
        return false;
    }
    return true;
}

void QtSerialPortBackend::flushOutput() {
    // QSerialPort::flush() writes what the driver takes and never blocks; a failed write reports
    // itself through errorOccurred like one on the next pass would.
    if (serial_->isOpen() && serial_->bytesToWrite() > 0) serial_->flush();
}

bool QtSerialPortBackend::setLowLatency(bool on) {
    if (!serial_->isOpen()) return false;
    if (on == lowLatencySet_) return true;
    if (on) {
        lowLatencySet_ = EnableLowLatency(serial_->handle(), &savedSerialFlags_);
        return lowLatencySet_;
    }
    RestoreLowLatency(serial_->handle(), savedSerialFlags_);
    lowLatencySet_ = false;
    return true;
}

// Qt reports a device another program holds (its lock file, EBUSY) and one the user may not
// open alike; whether the user may read and write the node tells them apart.
SerialPort::Problem QtSerialPortBackend::problemOf(const QString& device) const {
    switch (serial_->error()) {
        case QSerialPort::DeviceNotFoundError:
            return Problem::Missing;
        case QSerialPort::PermissionError: {
            const QFileInfo node(device);
            if (node.exists() && !(node.isReadable() && node.isWritable()))
                return Problem::PermissionDenied;
            return Problem::Taken;
        }
        default:
            break;
    }
    return QFileInfo::exists(device) ? Problem::Other : Problem::Missing;
}

bool QtSerialPortBackend::hasModemLines() const {
    if (!serial_->isOpen()) return false;
    serial_->pinoutSignals();
    const bool known = serial_->error() == QSerialPort::NoError;
    serial_->clearError();
    return known;
}

bool QtSerialPortBackend::succeeded(bool ok) {
    if (!ok)
        setFailure(kDeviceFailure,
                   QStringLiteral("%1: %2").arg(deviceName(), serial_->errorString()));
    serial_->clearError();
    return ok;
}

bool QtSerialPortBackend::setDtr(bool on) {
    return checkLineControl(true, hasModemLines()) && succeeded(serial_->setDataTerminalReady(on));
}

bool QtSerialPortBackend::setRts(bool on) {
    return checkLineControl(true, hasModemLines()) && succeeded(serial_->setRequestToSend(on));
}

bool QtSerialPortBackend::setBreak(bool on) {
    return checkLineControl(true, hasModemLines()) && succeeded(serial_->setBreakEnabled(on));
}

bool QtSerialPortBackend::setFlowControl(FlowControl flow) {
    if (!checkLineControl(flow == FlowControl::RtsCts, hasModemLines())) return false;
    QSerialPort::FlowControl qt = QSerialPort::NoFlowControl;
    if (flow == FlowControl::RtsCts) qt = QSerialPort::HardwareControl;
    if (flow == FlowControl::XonXoff) qt = QSerialPort::SoftwareControl;
    return succeeded(serial_->setFlowControl(qt));
}

void QtSerialPortBackend::onError(int error) {
    if (closing_ || !serial_->isOpen()) return;
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError &&
        error != QSerialPort::WriteError)
        return;
    // Qt keeps the port open and repeats the error on every notifier wake-up: close at the first.
    // Its error text is whatever the last failed system call left (often an ioctl of the line
    // watcher's), so the cause is named from the kind of error instead.
    const QString reason = QStringLiteral("%1: %2").arg(deviceName(), LostReason(error));
    closeDevice(true);
    postDeviceLost(reason);
}

void QtSerialPortBackend::closeDevice(bool deviceGone) {
    watcher_->stop();
    setLineState(LineState());
    // On a device that has gone, every step of a close raises errors again while the port still
    // counts as open; they must not start another close.
    closing_ = true;
    if (serial_->isOpen() && lowLatencySet_ && !deviceGone)
        RestoreLowLatency(serial_->handle(), savedSerialFlags_);
    lowLatencySet_ = false;
    if (serial_->isOpen()) {
        // QSerialPort drops what it still queues when it closes: hand it to the driver first, so
        // the last frame written before a close still goes out. A gone device takes nothing.
        if (deviceGone)
            serial_->clear(QSerialPort::Output);
        else if (serial_->bytesToWrite() > 0)
            serial_->flush();
        serial_->close();
    }
    serial_->clearError();
    closing_ = false;
}

}  // namespace comm
