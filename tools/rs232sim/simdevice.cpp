#include "simdevice.h"

#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>

#include "pacedwriter.h"

namespace rs232sim {

namespace {
// A streaming device cannot send faster than its line: ticks that find this much still unsent skip.
constexpr int kStreamBacklog = 4096;
}  // namespace

SimDevice::SimDevice(int master, const DeviceOptions& options, QObject* parent)
    : QObject(parent),
      master_(master),
      options_(options),
      writer_(new PacedWriter(master, options.timing.characterNs(), this)),
      readable_(new QSocketNotifier(master, QSocketNotifier::Read, this)) {
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
    for (ssize_t i = 0; i < n; ++i) {
        switch (options_.mode) {
            case DeviceOptions::Mode::Echo:
                writer_->put(chunk[i]);
                break;
            case DeviceOptions::Mode::Answer:
                if (++received_ % options_.every == 0) writer_->put(options_.bytes);
                break;
            case DeviceOptions::Mode::Stream:
                break;  // a streaming device ignores what it is sent
        }
    }
}

void SimDevice::streamTick() {
    if (writer_->queued() < kStreamBacklog) writer_->put(options_.bytes);
}

}  // namespace rs232sim
