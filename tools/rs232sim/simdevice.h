#pragma once

#include <QObject>
#include <QTimer>

#include "simoptions.h"

class QSocketNotifier;

namespace rs232sim {

class PacedWriter;
class SimUart;

// A simulated device on the master of one pseudo-terminal: echoes, answers every N received bytes,
// or streams fixed bytes at an interval. What it receives is taken as fast as it comes. Without a
// baud rate what it sends arrives unchanged as fast as the terminal goes; with one the device has
// settings of its own (the rate and --format) and the program receives what a UART at the program's
// settings makes of its characters (SimUart).
class SimDevice : public QObject {
    Q_OBJECT
public:
    SimDevice(int master, const DeviceOptions& options, QObject* parent = nullptr);

private:
    void readSome();
    void streamTick();
    void sendOut(const QByteArray& bytes);

    int master_;
    DeviceOptions options_;
    PacedWriter* writer_ = nullptr;
    SimUart* uart_ = nullptr;
    QSocketNotifier* readable_;
    QTimer stream_;
    qint64 received_ = 0;
};

}  // namespace rs232sim
