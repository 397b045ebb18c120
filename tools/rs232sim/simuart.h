#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "linecounterfile.h"
#include "uartmodel.h"

namespace rs232sim {

class PacedWriter;

// The device's side of a line that behaves like a UART: what the device sends becomes bits at its
// own settings (UartLine), and the program's end of the pseudo-terminal gets what a UART at the
// settings the program applied makes of them, when the receiver decides on each character. The
// errors it counts are published beside the terminal (LineCounterFile) for the program's line
// watcher, as a real UART's driver counts them, and it asks the program's serial layer for the
// data bits and parity the terminal hides. Owned by the simulated device.
class SimUart : public QObject {
    Q_OBJECT
public:
    SimUart(int master, const comm::LineSettings& device, QObject* parent = nullptr);
    ~SimUart() override;

    // The device sends these after what it sent before.
    void send(const QByteArray& bytes);
    // How far ahead of now the device's line is taken, in nanoseconds.
    qint64 backlogNs() const;

private:
    void receive();
    // The program's receiver: what it said it applied, else what the terminal shows.
    comm::LineSettings programReceiver() const;
    // True when the settings changed since the last look.
    bool followProgramSettings(qint64 nowNs);
    void publish();
    void deliver(const QByteArray& bytes);

    int master_;
    comm::LineSettings device_;
    comm::UartLine line_;
    PacedWriter* out_;
    QElapsedTimer clock_;
    QTimer wake_;
    comm::LineCountsBySource counts_;
    QString counterFile_;
};

}  // namespace rs232sim
