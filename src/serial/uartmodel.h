#pragma once

#include <QByteArray>
#include <QList>
#include <deque>

#include "serialsettings.h"

namespace comm {

// What a receiving UART made of one character on the wire, decided at its stop-bit sample.
struct UartReceived {
    enum class Kind { Byte, ParityError, FramingError, Break };
    Kind kind = Kind::Byte;
    quint8 value = 0;  // the byte a reader gets: the data for Byte, 0 for Break
    qint64 atNs = 0;
};

// The counters a driver keeps of the characters its UART marked.
struct UartErrorCounts {
    quint32 frame = 0;
    quint32 parity = 0;
    quint32 brk = 0;
};

// One direction of a serial line between a device's transmitter and a receiving UART whose
// settings may differ. The device's characters become levels on the wire (idle high, a start
// bit, data bits least significant first, the parity bit, stop bits) timed at its baud rate; the
// receiver hunts for a falling edge, checks the start bit at its middle, samples every bit in its
// middle at its own rate, and checks the parity bit and the first stop bit. A character that is
// zero from its start bit to its stop bit is a break (a reader gets one 0 byte; the receiver then
// waits for the line to go high); a parity error wins over a framing error, as Linux counts them,
// and a receiver that found its stop bit low takes that low as the next start bit, as a 16550
// does. Pure: times are given, nothing waits. Owned by whoever simulates the line.
class UartLine {
public:
    UartLine(const LineSettings& device, const LineSettings& receiver);

    const LineSettings& device() const { return device_; }
    const LineSettings& receiver() const { return receiver_; }
    // The receiver is set up anew at nowNs: a character it was taking in is lost.
    void setReceiver(const LineSettings& receiver, qint64 nowNs);

    // The device sends `byte` from atNs, or once its last character is out; returns when this one
    // ends. Data bits above the device's count are not sent.
    qint64 send(quint8 byte, qint64 atNs);
    qint64 lineFreeNs() const { return qint64(lineFree_); }

    // Everything the receiver decides up to nowNs. Nothing sent later may start before nowNs.
    QList<UartReceived> receiveUntil(qint64 nowNs);
    // When the receiver will decide on the next character the wire holds, as the last
    // receiveUntil() left it; -1 when the wire holds no start bit for it yet.
    qint64 nextDecisionNs() const { return pendingNs_; }

private:
    struct Edge {
        double atNs;
        bool high;  // the level from here on
    };
    bool levelAt(double ns) const;
    // The first edge to `high` at or after ns; -1 when the wire holds none.
    double edgeAfter(double ns, bool high) const;
    void forgetBefore(double ns);

    LineSettings device_;
    LineSettings receiver_;
    std::deque<Edge> edges_;
    bool levelBeforeEdges_ = true;
    bool sentHigh_ = true;   // the level the transmitter left the wire at
    double lineFree_ = 0.0;  // when the transmitter's last character ends
    double searchFrom_ = 0.0;
    bool waitForHigh_ = false;  // after a break
    bool lowIsStart_ = false;   // after a framing error
    qint64 pendingNs_ = -1;
};

// What a UART at `receiver` settings makes of `bytes` that a device at `device` settings sends
// back to back from an idle line, which stays idle afterwards.
QList<UartReceived> ReceiveThroughUart(const LineSettings& device, const QByteArray& bytes,
                                       const LineSettings& receiver);

// What a reader of a port opened by QSerialPort gets of that: characters with a parity or
// framing error are dropped (it sets IGNPAR) and only counted; a break reads as one 0 byte.
struct UartDelivery {
    QByteArray bytes;
    UartErrorCounts errors;
};
UartDelivery Deliver(const QList<UartReceived>& received);

}  // namespace comm
