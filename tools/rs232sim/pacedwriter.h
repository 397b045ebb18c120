#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <deque>

#include "precisetimer.h"

class QSocketNotifier;

namespace rs232sim {

// The sending side of one direction of a line: bytes put on it come out of `fd` no sooner than the
// line could carry them. Each character occupies the line for characterNs; a byte is written when
// its stop bit ends. Sleeps on a timer between characters and on the descriptor while the far
// side is full, so an idle or blocked line costs no CPU. Characters due within a millisecond of
// each other go out together, at the time the last of them is due.
class PacedWriter : public QObject {
    Q_OBJECT
public:
    PacedWriter(int fd, qint64 characterNs, QObject* parent = nullptr);

    // A character on the line; `arrives` false for one that takes its time but is lost.
    void put(char byte, bool arrives = true);
    void put(const QByteArray& bytes);
    // Bytes on the line not yet written out.
    int queued() const { return int(queue_.size()); }

signals:
    // Written bytes made room; a reader that paused for back-pressure may go on.
    void room();

private:
    static constexpr qint64 kGroupNs = 1000000;
    struct Pending {
        char byte;
        qint64 dueNs;
    };
    void flush();
    void schedule();

    int fd_;
    qint64 characterNs_;
    qint64 lineFreeNs_ = 0;
    QElapsedTimer clock_;
    PreciseTimer timer_;
    QSocketNotifier* writable_;
    std::deque<Pending> queue_;
};

}  // namespace rs232sim
