#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include "clock.h"
#include "framing.h"
#include "serialport.h"

namespace comm {

// Takes received frames from a port for a run. With no framing rule a frame is the next R bytes,
// read as the port hands them; the reader only keeps bytes itself once someone asks what waits
// (the receive limit passed), and serves those first. With a quiet gap or resynchronisation it
// reads what it needs to see where the frame ends. Owned by the run engine.
class FrameReader {
public:
    FrameReader(SerialPort& port, Clock& clock);

    // Before each run: R, the receive frame's start pattern, the rules, the line's settings.
    // The quiet gap is the rules' characters at those settings, but never below 20 ms.
    void configure(int frameLength, const QVector<int>& start, const ReceiveRules& rules,
                   const QString& settings);
    // Discards what waits on the port and what was kept.
    void clear();
    // A whole frame can be taken now.
    bool frameWaiting();
    // Takes the frame frameWaiting() found; call only after it said so.
    QByteArray take();
    // Every byte received and not yet taken; keeps them for the frames to come.
    QByteArray waiting();
    // How many bytes on the port let the next check find more: what a wait asks the port for.
    int bytesWanted() const;
    // Milliseconds until the line has been quiet for the gap, when kept bytes wait for one; -1
    // when no gap is due.
    int msUntilQuiet() const;

private:
    void pull(qsizetype upTo);

    SerialPort& port_;
    Clock& clock_;
    int length_ = 0;
    QVector<int> start_;
    ReceiveRules rules_;
    qint64 gapNs_ = 0;
    QByteArray kept_;
    qint64 lastByteNs_ = 0;
    FrameCut cut_;
};

}  // namespace comm
