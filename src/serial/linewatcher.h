#pragma once

#include <QList>
#include <QObject>
#include <QTimer>

#include "linesettings.h"
#include "serialport.h"

namespace comm {

// What a driver tells about one line at one moment: its interrupt counters and its modem lines.
// Counters only ever grow (and wrap); a driver that keeps none, or reports no lines, says so.
struct LineSnapshot {
    // Counters published for a virtual line (linecounterfile.h) are counted apart by the settings
    // they were taken at; those of different sources are not compared. The driver's own are 0.
    quint64 counterSource = 0;
    bool hasCounters = false;
    quint32 cts = 0, dsr = 0, ring = 0, dcd = 0;
    quint32 frame = 0, overrun = 0, parity = 0, brk = 0, bufferOverrun = 0;
    bool hasLines = false;
    bool ctsOn = false, dsrOn = false, dcdOn = false, ringOn = false;
};

// The event codes (SerialPort::Event) that happened between two snapshots of one line, errors first
// (1001 break, 1004 framing, 1006 overrun, 1008 receive overflow, 1009 parity), then line changes
// (5 CD, 3 CTS, 4 DSR, 6 ring). Each kind is reported once however far its counter moved, so a
// burst of errors cannot flood the windows. A line counts as changed when its counter grew or its
// level differs; a counter that went backwards (a driver reset) is not an event, nor one that
// changed its source (see LineSnapshot::counterSource).
QList<int> LineEventsBetween(const LineSnapshot& before, const LineSnapshot& after);

// Reads the line state of the open device behind a native handle. False when the device cannot
// tell (a pseudo-terminal, a driver without the calls, a platform without an implementation).
// One implementation per platform: linewatcher_linux.cpp, linewatcher_stub.cpp.
bool ReadLineSnapshot(qintptr handle, LineSnapshot* snapshot);

// Before a port opens `device` with `settings`: a simulator that plays a UART on that
// pseudo-terminal and asked for them learns the data bits and parity the terminal hides from it
// (linecounterfile.h). Nothing for any other device. Same platform files as ReadLineSnapshot.
void TellLineSimulator(const QString& device, const LineSettings& settings);

// The line state a port shows: the levels of `now` and the errors counted from `first` (the
// snapshot at the open) to `now`.
LineState LineStateBetween(const LineSnapshot& first, const LineSnapshot& now);

// Turns the driver's counters and modem lines of one open device into event codes; owned by the
// port back end, which starts it after each open and stops it before each close.
//
// It looks every kPollMs and whenever the port says bytes arrived. Line errors mostly come with
// bytes, so those are reported at once; modem line changes and bytes the driver threw away are
// caught by the poll. The poll is two ioctl calls five times a second, a few microseconds, and only
// while a device that can report is open: a pseudo-terminal makes the watcher stop at once. The
// alternative, a thread blocked in TIOCMIWAIT, sees modem lines only, many USB drivers lack it,
// and it cannot be woken for a close without a process-wide signal handler.
class LineWatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollMs = 200;

    explicit LineWatcher(QObject* parent = nullptr);

    // Starts watching; false, and silent, when the device cannot report its line.
    bool start(qintptr handle);
    void stop();
    bool active() const { return active_; }
    // Looks now instead of at the next poll.
    void check();
    // The line since start(); nothing known while not active.
    LineState state() const;

signals:
    void lineEvent(int code);
    // Before the events of the same look, and only when something differs from the last look.
    void stateChanged(const comm::LineState& state);

private:
    qintptr handle_ = -1;
    bool active_ = false;
    LineSnapshot first_;
    LineSnapshot last_;
    QTimer poll_;
};

}  // namespace comm
