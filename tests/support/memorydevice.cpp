#include "memorydevice.h"

#include "memoryserialport.h"

MemoryDevice::MemoryDevice(comm::MemorySerialPort& port, comm::Clock& clock,
                           const QString& settings, const QList<QByteArray>& bursts, int intervalMs)
    : port_(port), timer_(clock.makeTimer()), bursts_(bursts), intervalMs_(intervalMs) {
    if (!comm::CheckLineSettings(settings, &settings_).isEmpty())
        qFatal("MemoryDevice: bad settings %s", qPrintable(settings));
    connect(timer_.get(), &comm::ClockTimer::timeout, this, &MemoryDevice::send);
}

MemoryDevice::~MemoryDevice() = default;

void MemoryDevice::start() {
    send();
}

void MemoryDevice::stop() {
    timer_->stop();
}

void MemoryDevice::send() {
    port_.injectFromDevice(settings_, bursts_.at(sent_++ % bursts_.size()));
    timer_->start(intervalMs_);
}
