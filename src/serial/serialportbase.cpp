#include "serialportbase.h"

#include <QPointer>

#include "portdirectory.h"
#include "portmap.h"
#include "porttext.h"
#include "serialsettings.h"

namespace comm {

SerialPortBase::SerialPortBase(QObject* parent) : SerialPort(parent) {}

QString SerialPortBase::deviceName() const {
    return fixedDevice_.isEmpty() ? PortDevice(commPort_)
                                  : PortDirectory::current().resolve(fixedDevice_);
}

int SerialPortBase::readLength(int available) const {
    return inputLen_ > 0 && inputLen_ < available ? inputLen_ : available;
}

void SerialPortBase::setFailure(int code, const QString& reason) {
    failure_ = Failure{code, reason, deviceName(), Problem::Other};
}

void SerialPortBase::setOpenFailure(const QString& device, Problem problem, const QString& reason) {
    failure_ = Failure{kOpenFailure, reason, device, problem};
}

bool SerialPortBase::checkBeforeOpen(PortSettings* settings) {
    if (fixedDevice_.isEmpty() && (commPort_ < kFirstPort || commPort_ > kLastPort)) {
        setFailure(kOpenFailure, BadPortNumberText(commPort_));
        return false;
    }
    const QString refusal = CheckPortSettings(settings_, settings);
    if (!refusal.isEmpty()) {
        setFailure(kOpenFailure, refusal);
        return false;
    }
    return true;
}

bool SerialPortBase::checkLineControl(bool needsModemLines, bool hasModemLines) {
    if (!portOpen()) {
        setFailure(kNotOpen, PortNotOpenText());
        return false;
    }
    if (needsModemLines && !hasModemLines) {
        setFailure(kDeviceFailure, NoLineControlMessage());
        return false;
    }
    return true;
}

void SerialPortBase::postReadyRead() {
    if (readyPosted_) return;
    readyPosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            readyPosted_ = false;
            if (portOpen() && inBufferCount() > 0) emit readyRead();
        },
        Qt::QueuedConnection);
}

void SerialPortBase::postEvent(int code) {
    pendingEvents_.append(code);
    QMetaObject::invokeMethod(
        this, [this] { deliverEvents(); }, Qt::QueuedConnection);
}

void SerialPortBase::deliverEvents() {
    if (delivering_) return;  // the delivery running further up the stack takes it
    const QPointer<SerialPortBase> alive(this);
    delivering_ = true;
    while (!pendingEvents_.isEmpty()) {
        commEvent_ = pendingEvents_.takeFirst();
        emit commNotified(commEvent_);
        if (!alive) return;
    }
    delivering_ = false;
}

void SerialPortBase::setLineState(const LineState& state) {
    if (state == lineState_) return;
    lineState_ = state;
    if (linePosted_) return;
    linePosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            linePosted_ = false;
            emit lineStateChanged(lineState_);
        },
        Qt::QueuedConnection);
}

void SerialPortBase::postDeviceLost(const QString& reason) {
    setFailure(kDeviceFailure, reason);
    QMetaObject::invokeMethod(
        this, [this, reason] { emit deviceLost(reason); }, Qt::QueuedConnection);
}

}  // namespace comm
