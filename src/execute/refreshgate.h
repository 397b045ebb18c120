#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "clock.h"

namespace comm {

// Lets what changes many times a refresh reach the screen at most once a refresh: the first
// request after a quiet spell is applied as soon as the event loop is back (a single frame shows
// without delay), those that follow within the interval are applied together when it ends.
class RefreshGate : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 100;

    // The interval runs on the clock the window's run runs on.
    RefreshGate(Clock& clock, std::function<void()> apply, QObject* parent = nullptr,
                int intervalMs = kIntervalMs);

    // Something changed: apply on the next pass of the event loop, or at the end of the running
    // interval.
    void request();
    // Applies what waits now (the run ended) and lets the next request through at once.
    void applyNow();

private:
    void onInterval();

    std::function<void()> apply_;
    int intervalMs_;
    std::unique_ptr<ClockTimer> interval_;
    bool pending_ = false;
    bool posted_ = false;
};

}  // namespace comm
