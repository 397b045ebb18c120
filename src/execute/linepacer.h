#pragma once

#include <QString>
#include <QtGlobal>

namespace comm {

// Keeps a sender from handing the port frames faster than the line can carry them: it tracks
// when the line will have sent everything handed over so far, from the baud rate and the bits
// of one character, and lets at most a transmit buffer's worth be ahead of the line. Without
// this a send-only run would queue frames in memory without end and count frames that were
// never on the wire. Owned by the engine that sends; plain arithmetic on nanosecond clocks.
class LinePacer {
public:
    // A settings text such as "9600,O,8,1"; one that cannot be read paces nothing.
    explicit LinePacer(const QString& settings, int bufferBytes = 512);

    // Nanoseconds one character takes on the line; 0 when unknown.
    double characterNs() const { return charNs_; }

    // Forgets what was sent before: the line is idle now.
    void reset(qint64 nowNs);
    // Nanoseconds to wait before the next frame may be handed over; 0 when it may go now.
    qint64 waitNs(qint64 nowNs) const;
    // Records bytes handed to the port at nowNs.
    void sent(int bytes, qint64 nowNs);

private:
    double charNs_ = 0.0;
    double bufferNs_ = 0.0;
    double lineFreeAtNs_ = 0.0;
};

}  // namespace comm
