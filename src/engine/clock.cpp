#include "clock.h"

#include <QElapsedTimer>
#include <QTimer>

namespace comm {

namespace {

class RealTimer : public ClockTimer {
public:
    explicit RealTimer(QObject* parent) : ClockTimer(parent) {
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);
        connect(&timer_, &QTimer::timeout, this, &ClockTimer::timeout);
    }
    void start(int ms) override { timer_.start(qMax(0, ms)); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

class RealClock : public Clock {
public:
    RealClock() { elapsed_.start(); }
    qint64 nowNs() const override { return elapsed_.nsecsElapsed(); }
    std::unique_ptr<ClockTimer> makeTimer(QObject* parent) override {
        return std::make_unique<RealTimer>(parent);
    }

private:
    QElapsedTimer elapsed_;
};

}  // namespace

Clock& Clock::real() {
    static RealClock clock;
    return clock;
}

}  // namespace comm
