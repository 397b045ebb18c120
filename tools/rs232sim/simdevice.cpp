#include "simdevice.h"

#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>

#include "pacedwriter.h"
#include "simuart.h"

namespace rs232sim {

namespace {
// A streaming device cannot send faster than its line: ticks that find this much still unsent skip.
constexpr int kStreamBacklog = 4096;
}  // namespace

SimDevice::SimDevice(int master, const DeviceOptions& options, QObject* parent)
    : QObject(parent),
      master_(master),
      options_(options),
      readable_(new QSocketNotifier(master, QSocketNotifier::Read, this)) {
    if (options_.timing.baud > 0) {
        comm::LineSettings own = options_.timing.format;
        own.baudRate = options_.timing.baud;
        uart_ = new SimUart(master, own, this);
    } else {
        writer_ = new PacedWriter(master, 0, this);
    }
    connect(readable_, &QSocketNotifier::activated, this, &SimDevice::readSome);
    if (options_.mode == DeviceOptions::Mode::Stream) {
        stream_.setTimerType(Qt::PreciseTimer);
        stream_.setInterval(options_.intervalMs);
        connect(&stream_, &QTimer::timeout, this, &SimDevice::streamTick);
        stream_.start();
    }
}

void SimDevice::readSome() {
    char chunk[4096];
    const ssize_t n = ::read(master_, chunk, sizeof chunk);
    if (n < 0 && errno != EAGAIN && errno != EINTR) {
        readable_->setEnabled(false);
        return;
    }
    QByteArray reply;
    for (ssize_t i = 0; i < n; ++i) {
        switch (options_.mode) {
            case DeviceOptions::Mode::Echo:
                reply.append(chunk[i]);
                break;
            case DeviceOptions::Mode::Answer:
                if (++received_ % options_.every == 0) reply.append(options_.bytes);
                break;
            case DeviceOptions::Mode::Stream:
                break;  // a streaming device ignores what it is sent
        }
    }
    if (!reply.isEmpty()) sendOut(reply);
}

void SimDevice::streamTick() {
    // A streaming device cannot send faster than its line: a tick that finds the last still going
    // out skips.
    if (uart_ ? uart_->backlogNs() <= qint64(options_.intervalMs) * 1000000
              : writer_->queued() < kStreamBacklog)
        sendOut(options_.bytes);
}

void SimDevice::sendOut(const QByteArray& bytes) {
    if (uart_)
        uart_->send(bytes);
    else
        writer_->put(bytes);
}

}  // namespace rs232sim
