#pragma once

#include <QByteArray>

#include "serialportbase.h"

namespace comm {

// A scriptable port without a device, for unit tests of engines; owned by the test (or by the
// window the test hands it to). It behaves as the real back end does where the contract says so:
// settings are checked at open, reads honour InputLen, a discard while closed still holds after the
// next open, and every signal arrives from the event loop (see SerialPortBase). Bytes that reach it
// while it is closed wait on the "line" and show up at the next open, as a pseudo-terminal keeps
// them.
class MemorySerialPort : public SerialPortBase {
    Q_OBJECT
public:
    explicit MemorySerialPort(QObject* parent = nullptr);

    bool setPortOpen(bool open) override;
    bool portOpen() const override { return open_; }
    int inBufferCount() const override { return int(buffer_.size()); }
    void clearInput() override;
    QByteArray input() override;
    // Records the bytes and emits bytesWritten before returning.
    bool output(const QByteArray& bytes) override;
    // output() delivers at once already.
    void flushOutput() override {}
    // Kept while open, as a driver keeps it; the close restores the old setting.
    bool setLowLatency(bool on) override;
    bool lowLatency() const { return lowLatency_; }
    // Recorded as a driver would take them; an open brings back the driver's levels (DTR and
    // RTS on, no break, no flow control).
    bool setDtr(bool on) override;
    bool setRts(bool on) override;
    bool setBreak(bool on) override;
    bool setFlowControl(FlowControl flow) override;
    bool dtr() const { return dtr_; }
    bool rts() const { return rts_; }
    bool breakOn() const { return breakOn_; }
    // Breaks started since the port was made.
    int breakCount() const { return breakCount_; }
    FlowControl flowControl() const { return flow_; }
    // Whether the device has modem lines to drive; true unless set (a pseudo-terminal has none).
    void setModemLines(bool has) { modemLines_ = has; }

    // Bytes arrive now (inBufferCount() counts them at once); readyRead follows from the event
    // loop.
    void inject(const QByteArray& bytes);
    // A device at `device` settings sends bytes back to back from an idle line: what arrives is
    // what a UART at the port's settings makes of them (UartLine), and while the port is open its
    // errors follow as line events, each kind once, as the line watcher reports a driver's
    // counters (none while the device does not report line errors).
    void injectFromDevice(const LineSettings& device, const QByteArray& bytes);
    // commNotified(code) follows from the event loop with commEvent() == code.
    void injectEvent(int code);
    // The device's line becomes `state` (its open flag aside; counts are errors since the open):
    // while open, lineStateChanged follows from the event loop, then the events the line
    // watcher reports for the change, each kind once. While closed it is what the next open
    // shows, with counts from 0. Until told otherwise the device reports lines and errors, all
    // off and none.
    void injectLineState(const LineState& state);
    // Whether the device's line reports errors (as a pseudo-terminal's cannot); true unless set.
    // Shown in the line state at once while open, else from the next open.
    void setReportsLineErrors(bool reports);
    // The next open fails with kOpenFailure and this reason; later ones succeed again.
    void failNextOpen(const QString& reason);
    // While busy every open fails with kOpenFailure, as when another program holds the device.
    void setBusy(bool busy);
    // The device goes away: an open port closes and deviceLost(reason) follows once; opens fail
    // with the reason until reattach().
    void vanish(const QString& reason);
    void reattach();
    // The next output() fails with kDeviceFailure and this reason.
    void failNextOutput(const QString& reason);

    QByteArray written() const { return written_; }
    void clearWritten() { written_.clear(); }
    // Successful opens so far.
    int openCount() const { return openCount_; }

signals:
    // Emitted from inside output() with the bytes just written, so a test can answer as a device.
    void bytesWritten(const QByteArray& bytes);

private:
    void arrive(const QByteArray& bytes);

    bool open_ = false;
    bool lowLatency_ = false;
    bool modemLines_ = true;
    bool dtr_ = true;
    bool rts_ = true;
    bool breakOn_ = false;
    int breakCount_ = 0;
    FlowControl flow_ = FlowControl::None;
    bool busy_ = false;
    bool vanished_ = false;
    bool discardOnOpen_ = false;
    QString vanishReason_;
    QString nextOpenFailure_;
    QString nextOutputFailure_;
    QByteArray buffer_;
    QByteArray line_;
    QByteArray written_;
    LineState device_;
    int openCount_ = 0;
};

}  // namespace comm
