#include "linechannel.h"

#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>

#include "pacedwriter.h"

namespace rs232sim {

namespace {
// Bytes on the line before reading pauses, so a fast sender is held back as by a real line.
constexpr int kHighWater = 4096;
}  // namespace

LineChannel::LineChannel(int fromMaster, int toMaster, qint64 characterNs,
                         const LineImpairment& impairment, QObject* parent)
    : QObject(parent),
      from_(fromMaster),
      impairment_(impairment),
      writer_(new PacedWriter(toMaster, characterNs, this)),
      readable_(new QSocketNotifier(fromMaster, QSocketNotifier::Read, this)) {
    connect(readable_, &QSocketNotifier::activated, this, &LineChannel::readSome);
    connect(writer_, &PacedWriter::room, this, [this] {
        if (writer_->queued() < kHighWater) readable_->setEnabled(true);
    });
}

void LineChannel::readSome() {
    char chunk[kHighWater];
    const int room = kHighWater - writer_->queued();
    const ssize_t n = room > 0 ? ::read(from_, chunk, size_t(room)) : 0;
    // A master reads EIO only when no slave is open, which cannot happen while we hold it; stop
    // listening rather than spin on it.
    if (n < 0 && errno != EAGAIN && errno != EINTR) readable_->setEnabled(false);
    for (ssize_t i = 0; i < n; ++i) {
        const std::optional<char> out = impairment_.carry(chunk[i]);
        writer_->put(out.value_or(0), out.has_value());
    }
    if (writer_->queued() >= kHighWater) readable_->setEnabled(false);
}

}  // namespace rs232sim
