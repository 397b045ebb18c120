#include "memorydevice.h"

#include "memoryserialport.h"

MemoryDevice::MemoryDevice(comm::MemorySerialPort& port, comm::Clock& clock)
    : port_(port), clock_(clock), burstTimer_(clock.makeTimer()) {
    connect(burstTimer_.get(), &comm::ClockTimer::timeout, this, &MemoryDevice::sendBurst);
}

MemoryDevice::~MemoryDevice() = default;

void MemoryDevice::after(int ms, std::function<void()> action) {
    timers_.push_back(clock_.makeTimer());
    comm::ClockTimer* timer = timers_.back().get();
    connect(timer, &comm::ClockTimer::timeout, timer, std::move(action));
    timer->start(ms);
}

void MemoryDevice::sendPaced(const QByteArray& bytes, int intervalMs) {
    for (int i = 0; i < bytes.size(); ++i) {
        const QByteArray one = bytes.mid(i, 1);
        if (i == 0)
            port_.inject(one);
        else
            after(i * intervalMs, [this, one] { port_.inject(one); });
    }
}

void MemoryDevice::answer(std::function<QByteArray(int index, const QByteArray& written)> answer,
                          int afterMs) {
    answerDelayMs_ = afterMs;
    connect(&port_, &comm::MemorySerialPort::bytesWritten, this,
            [this, answer](const QByteArray& written) {
                const QByteArray reply = answer(writes_++, written);
                if (!reply.isEmpty()) after(answerDelayMs_, [this, reply] { port_.inject(reply); });
            });
}

void MemoryDevice::sendBursts(const QString& settings, const QList<QByteArray>& bursts,
                              int intervalMs) {
    if (!comm::CheckLineSettings(settings, &settings_).isEmpty())
        qFatal("MemoryDevice: bad settings %s", qPrintable(settings));
    bursts_ = bursts;
    intervalMs_ = intervalMs;
    sendBurst();
}

void MemoryDevice::stop() {
    burstTimer_->stop();
}

void MemoryDevice::sendBurst() {
    port_.injectFromDevice(settings_, bursts_.at(sent_++ % bursts_.size()));
    burstTimer_->start(intervalMs_);
}

comm::SerialPortFactory MemoryPortFactory(comm::MemorySerialPort** made) {
    return [made] {
        auto port = std::make_unique<comm::MemorySerialPort>();
        *made = port.get();
        return std::unique_ptr<comm::SerialPort>(std::move(port));
    };
}
