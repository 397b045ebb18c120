#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "clock.h"
#include "serialport.h"
#include "serialsettings.h"

namespace comm {
class MemorySerialPort;
}

// The far end of an in-memory port, timed on the clock it is given: it sends bytes later, byte by
// byte at an interval, bursts at settings of its own every interval, or answers what the port
// writes. Owned by a test; the port and the clock must outlive it.
class MemoryDevice : public QObject {
    Q_OBJECT
public:
    MemoryDevice(comm::MemorySerialPort& port, comm::Clock& clock);
    ~MemoryDevice() override;

    // The action runs ms from now on the clock.
    void after(int ms, std::function<void()> action);
    // The first byte arrives now, each following one intervalMs after the one before.
    void sendPaced(const QByteArray& bytes, int intervalMs);
    // Every write to the port is answered afterMs later with what answer gives for the index of
    // the write (from 0) and its bytes; nothing when it gives none.
    void answer(std::function<QByteArray(int index, const QByteArray& written)> answer,
                int afterMs);
    void setAnswerDelay(int afterMs) { answerDelayMs_ = afterMs; }
    // The first burst goes now at the device's settings, the next intervalMs later, taking them in
    // turn, back to back; the port takes each in through the UART model at whatever settings it
    // has then. The interval must leave the line idle between bursts.
    void sendBursts(const QString& settings, const QList<QByteArray>& bursts, int intervalMs);
    // No more bursts; what is scheduled otherwise still comes.
    void stop();
    // Bursts sent.
    int sent() const { return sent_; }

private:
    void sendBurst();

    comm::MemorySerialPort& port_;
    comm::Clock& clock_;
    std::vector<std::unique_ptr<comm::ClockTimer>> timers_;
    std::unique_ptr<comm::ClockTimer> burstTimer_;
    comm::LineSettings settings_;
    QList<QByteArray> bursts_;
    int intervalMs_ = 0;
    int sent_ = 0;
    int writes_ = 0;
    int answerDelayMs_ = 0;
};

// A port factory for a window under test: every port it makes is a new in-memory one, and
// *made points at the latest, for the test to drive.
comm::SerialPortFactory MemoryPortFactory(comm::MemorySerialPort** made);
