#include "pacedwriter.h"

#include <unistd.h>

#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>

namespace rs232sim {

PacedWriter::PacedWriter(int fd, qint64 characterNs, QObject* parent)
    : QObject(parent),
      fd_(fd),
      characterNs_(characterNs),
      writable_(new QSocketNotifier(fd, QSocketNotifier::Write, this)) {
    clock_.start();
    writable_->setEnabled(false);
    connect(&timer_, &PreciseTimer::timeout, this, &PacedWriter::flush);
    connect(writable_, &QSocketNotifier::activated, this, [this] {
        writable_->setEnabled(false);
        flush();
    });
}

void PacedWriter::put(char byte, bool arrives) {
    const qint64 now = clock_.nsecsElapsed();
    lineFreeNs_ = std::max(now, lineFreeNs_) + characterNs_;
    if (arrives) queue_.push_back({byte, lineFreeNs_});
    schedule();
}

void PacedWriter::put(const QByteArray& bytes) {
    for (const char byte : bytes) put(byte);
}

void PacedWriter::schedule() {
    if (queue_.empty() || writable_->isEnabled() || timer_.isActive()) return;
    // As a UART's receive FIFO hands them over: in groups, none before its stop bit ends, none
    // more than kGroupNs after, and the last of a burst on time. One wake per group instead of
    // one per character keeps a busy machine's scheduling delays off the line.
    const qint64 first = queue_.front().dueNs;
    qint64 wake = first;
    for (const Pending& p : queue_) {
        if (p.dueNs > first + kGroupNs) break;
        wake = p.dueNs;
    }
    timer_.start(wake - clock_.nsecsElapsed());
}

void PacedWriter::flush() {
    const qint64 now = clock_.nsecsElapsed();
    QByteArray due;
    for (auto it = queue_.begin(); it != queue_.end() && it->dueNs <= now; ++it)
        due.append(it->byte);
    if (!due.isEmpty()) {
        const ssize_t n = ::write(fd_, due.constData(), size_t(due.size()));
        if (n > 0) {
            queue_.erase(queue_.begin(), queue_.begin() + n);
            emit room();
        }
        if (n < due.size()) {
            if (n < 0 && errno != EAGAIN && errno != EINTR) {
                queue_.clear();  // the far side is gone for good; nothing will take these
                return;
            }
            // The far side's input is full: wait until it reads.
            writable_->setEnabled(true);
            return;
        }
    }
    schedule();
}

}  // namespace rs232sim
