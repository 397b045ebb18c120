#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <memory>

#include "clock.h"
#include "serialsettings.h"

namespace comm {
class MemorySerialPort;
}

// A device that sends by itself on an in-memory port: every intervalMs on the clock it is given
// it sends its next burst (taking them in turn) back to back at its own settings, and the port
// takes it in through the UART model at whatever settings the port has then. The interval must
// leave the line idle between bursts. Owned by a test; the port and the clock must outlive it.
class MemoryDevice : public QObject {
    Q_OBJECT
public:
    MemoryDevice(comm::MemorySerialPort& port, comm::Clock& clock, const QString& settings,
                 const QList<QByteArray>& bursts, int intervalMs);
    ~MemoryDevice() override;

    // The first burst goes now.
    void start();
    void stop();
    int sent() const { return sent_; }

private:
    void send();

    comm::MemorySerialPort& port_;
    std::unique_ptr<comm::ClockTimer> timer_;
    comm::LineSettings settings_;
    QList<QByteArray> bursts_;
    int intervalMs_;
    int sent_ = 0;
};
