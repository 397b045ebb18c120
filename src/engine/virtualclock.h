#pragma once

#include <QList>
#include <QPointer>

#include "clock.h"

namespace comm {

class DeliveryCounter;
class VirtualTimer;

// A clock for tests whose time stands still until advance() moves it. Timers that fall due run in
// the order of their due times (then of their starting), each with the clock reading its due
// time, and the events they post, and the events those post, run before the next one fires. A
// timer that is due now (0 ms) also fires from the event loop without advance(), one a pass after
// the events already waiting, so steps queued for "the next pass" run as they would on the real
// clock. Owned by the test; it must outlive the timers it made.
class VirtualClock : public Clock {
public:
    VirtualClock();
    ~VirtualClock() override;
    VirtualClock(const VirtualClock&) = delete;
    VirtualClock& operator=(const VirtualClock&) = delete;

    qint64 nowNs() const override { return nowNs_; }
    std::unique_ptr<ClockTimer> makeTimer(QObject* parent = nullptr) override;

    // Moves time on by ms, firing every timer that falls due on the way.
    void advance(qint64 ms);
    // Fires what is due now and lets the events that follow run; time does not move.
    void settle();
    // Active timers, and milliseconds until the earliest of them is due (-1 when none is).
    int activeTimers() const;
    qint64 msUntilNext() const;

private:
    friend class VirtualTimer;
    void schedule(VirtualTimer* timer, int ms);
    void unschedule(VirtualTimer* timer);
    void forget(VirtualTimer* timer);
    void postDueNow();
    bool dueNow() const;
    // Fires the earliest timer due at or before limitNs; false when there is none.
    bool fireOne(qint64 limitNs);
    // Lets posted events run until none is left.
    void drainEvents();

    qint64 nowNs_ = 0;
    quint64 sequence_ = 0;
    QList<VirtualTimer*> timers_;
    bool duePosted_ = false;
    bool advancing_ = false;
    std::unique_ptr<DeliveryCounter> counter_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace comm
