#pragma once

#include <QObject>
#include <QtGlobal>
#include <memory>

namespace comm {

// A one-shot timer handed out by a Clock; owned by whoever asked for it. start() while active
// starts it again from now.
class ClockTimer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~ClockTimer() override = default;

    virtual void start(int ms) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

signals:
    void timeout();
};

// Where engines take their time from: a monotonic reading and one-shot timers. Programs use
// Clock::real(); tests give a VirtualClock, so limits of seconds pass in no time and exactly.
// Engines keep a reference: the clock must outlive them.
class Clock {
public:
    virtual ~Clock() = default;

    // Monotonic nanoseconds since some fixed moment.
    virtual qint64 nowNs() const = 0;
    qint64 nowMs() const { return nowNs() / 1000000; }
    virtual std::unique_ptr<ClockTimer> makeTimer(QObject* parent = nullptr) = 0;

    // The process's real clock (QElapsedTimer and precise QTimers).
    static Clock& real();
};

}  // namespace comm
