#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace comm {

// The modem lines and line errors of an open port as far as its device can tell them. A
// pseudo-terminal tells neither; some drivers count errors but report no lines.
struct LineState {
    bool open = false;        // nothing else is known of a closed port
    bool linesKnown = false;  // the four levels below are the device's
    bool cts = false, dsr = false, dcd = false, ring = false;
    bool errorsKnown = false;  // the counts below are the device's
    // Errors counted since the port was opened; overrun includes receive buffer overflows.
    quint32 framing = 0, parity = 0, overrun = 0, breaks = 0;

    bool operator==(const LineState& o) const {
        return open == o.open && linesKnown == o.linesKnown && cts == o.cts && dsr == o.dsr &&
               dcd == o.dcd && ring == o.ring && errorsKnown == o.errorsKnown &&
               framing == o.framing && parity == o.parity && overrun == o.overrun &&
               breaks == o.breaks;
    }
    bool operator!=(const LineState& o) const { return !(*this == o); }
};

// How the two ends keep each other from overrunning: not at all, by the RTS and CTS lines, or
// by the XON and XOFF characters in the data.
enum class FlowControl { None, RtsCts, XonXoff };

// The serial port component one window owns (MSComm1): port number, settings text, read length,
// open/close, waiting bytes, read, write and line events. Implemented over QSerialPort for real
// devices and in memory for tests; engines only ever see this interface.
class SerialPort : public QObject {
    Q_OBJECT
public:
    // Failure code of a port that cannot be opened (missing, busy, refused settings).
    static constexpr int kOpenFailure = 8002;
    // Failure code of reading or writing while the port is closed.
    static constexpr int kNotOpen = 8018;
    // Failure code of a device that refused bytes or went away while open.
    static constexpr int kDeviceFailure = 8020;

    // Event codes of the OnComm notification.
    enum Event {
        EvSend = 1,
        EvReceive = 2,
        EvCts = 3,
        EvDsr = 4,
        EvCd = 5,
        EvRing = 6,
        EvEof = 7,
        ErBreak = 1001,
        ErCtsTimeout = 1002,
        ErDsrTimeout = 1003,
        ErFrame = 1004,
        ErOverrun = 1006,
        ErCdTimeout = 1007,
        ErRxOver = 1008,
        ErRxParity = 1009,
        ErTxFull = 1010,
        ErDcb = 1011
    };

    // Why an open failed, as far as the system tells.
    enum class Problem { Other, Missing, Taken, PermissionDenied, NoDevice };

    // What went wrong in the last failed operation.
    struct Failure {
        int code = 0;    // kOpenFailure for an open that failed, else another non-zero code
        QString reason;  // the device's own words, for whoever wants to show them
        QString device;  // the device concerned; empty when the port item stands for none
        Problem problem = Problem::Other;
    };

    using QObject::QObject;
    ~SerialPort() override = default;

    // CommPort: 1..4; takes effect at the next open.
    virtual void setCommPort(int port) = 0;
    virtual int commPort() const = 0;
    // Settings: "9600,O,8,1"; checked and applied at the next open.
    virtual void setSettings(const QString& settings) = 0;
    virtual QString settings() const = 0;
    // InputMode 1 (binary) is the only mode the program uses; kept for completeness.
    virtual void setInputMode(int mode) = 0;
    // InputLen: most bytes one input() returns; 0 means all. Accepted while closed.
    virtual void setInputLen(int length) = 0;
    virtual int inputLen() const = 0;
    // PortOpen: false with failure() set when the port cannot be opened.
    virtual bool setPortOpen(bool open) = 0;
    virtual bool portOpen() const = 0;
    // InBufferCount: received bytes waiting to be read.
    virtual int inBufferCount() const = 0;
    // InBufferCount = 0: discards every waiting byte; accepted while closed.
    virtual void clearInput() = 0;
    // Input: up to inputLen() waiting bytes, removed from the buffer; empty when none wait.
    virtual QByteArray input() = 0;
    // Output: sends the bytes in order, unchanged. False (failure() set) when the port is closed
    // or the device refused them.
    virtual bool output(const QByteArray& bytes) = 0;
    // Hands what output() queued to the driver now, without waiting for it to leave the line;
    // otherwise the back end writes it on the next pass of the event loop. For a protocol that
    // waits for a reply to every frame, where each pass before the write delays the answer.
    virtual void flushOutput() = 0;
    // Asks the driver to pass on each received byte at once instead of gathering them (the
    // latency timer of a USB adapter), for a protocol that waits for every reply. Only while
    // open; the old setting comes back with setLowLatency(false) or at the close. False, and
    // nothing changed, where the device has no such setting (a pseudo-terminal).
    virtual bool setLowLatency(bool on) = 0;
    // Line control of the open port: the levels of the DTR and RTS outputs, holding the line in
    // break, and flow control. Every open starts from the driver's levels and no flow control,
    // so a window that never calls these gets the plain line. False, with failure() telling
    // why and nothing changed, while closed or where the device has no modem lines to drive (a
    // pseudo-terminal); XON/XOFF is done by the driver and needs none.
    virtual bool setDtr(bool on) = 0;
    virtual bool setRts(bool on) = 0;
    virtual bool setBreak(bool on) = 0;
    virtual bool setFlowControl(FlowControl flow) = 0;
    // CommEvent: the code of the notification being delivered.
    virtual int commEvent() const = 0;
    // The line as last reported; nothing known while closed.
    virtual LineState lineState() const = 0;
    virtual Failure failure() const = 0;
    // The device a port number stands for, for tool tips and messages.
    virtual QString deviceName() const = 0;
    // Whether line errors (break, framing, overrun, parity) can reach commNotified from the open
    // device; a plain pseudo-terminal, or a driver without error counters, cannot tell them.
    // The line state is the one source of it, so the panel and the identifier never disagree.
    bool reportsLineErrors() const {
        const LineState state = lineState();
        return state.open && state.errorsKnown;
    }

signals:
    // Received bytes are waiting; engines wait on this instead of polling.
    void readyRead();
    // The OnComm notification with its event or error code (see Event).
    void commNotified(int event);
    // The device went away while open (unplugged, far end closed): the port has been closed
    // already and this comes once.
    void deviceLost(const QString& reason);
    // lineState() changed: at an open, at a close, and when the device reports a change (no
    // more often than the line is watched). Comes before the events of the same change.
    void lineStateChanged(const comm::LineState& state);
};

// Makes the port a window owns; windows take one so tests can hand them an in-memory port.
using SerialPortFactory = std::function<std::unique_ptr<SerialPort>()>;

}  // namespace comm
