#pragma once

#include "serialportbase.h"

class QSerialPort;

namespace comm {

class LineWatcher;

// The port over a real device (QSerialPort), owned by the window or engine that made it. Adds what
// Qt 6 leaves out: settings checked before the open, line events from a LineWatcher, a discard
// while closed that still holds after the open, and a device that vanishes closing the port on the
// first error with one deviceLost.
class QtSerialPortBackend : public SerialPortBase {
    Q_OBJECT
public:
    explicit QtSerialPortBackend(QObject* parent = nullptr);
    ~QtSerialPortBackend() override;

    bool setPortOpen(bool open) override;
    bool portOpen() const override;
    int inBufferCount() const override;
    void clearInput() override;
    QByteArray input() override;
    bool output(const QByteArray& bytes) override;
    void flushOutput() override;
    bool setLowLatency(bool on) override;
    bool setDtr(bool on) override;
    bool setRts(bool on) override;
    bool setBreak(bool on) override;
    bool setFlowControl(FlowControl flow) override;

private:
    void resumeReading();
    void onError(int error);
    Problem problemOf(const QString& device) const;
    void closeDevice(bool deviceGone = false);
    // Whether the open device answers for its modem lines; a pseudo-terminal does not, and
    // takes a break without sending one.
    bool hasModemLines() const;
    // False with the device's reason when a QSerialPort call failed.
    bool succeeded(bool ok);

    QSerialPort* serial_;
    LineWatcher* watcher_;
    bool discardOnOpen_ = false;
    bool closing_ = false;
    // The driver's flags before setLowLatency(true), put back at the close.
    bool lowLatencySet_ = false;
    int savedSerialFlags_ = 0;
};

}  // namespace comm
