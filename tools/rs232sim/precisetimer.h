#pragma once

#include <QObject>

namespace rs232sim {

// A one-shot timer with a deadline in nanoseconds, for pacing characters that take a fraction of
// a millisecond (0.19 ms at 57600 baud): a millisecond timer would hold every character and every
// reply back by up to a millisecond and make a fast line look slow. One implementation per
// platform: precisetimer_linux.cpp (timerfd), precisetimer_qt.cpp (QTimer, whole milliseconds).
class PreciseTimer : public QObject {
    Q_OBJECT
public:
    explicit PreciseTimer(QObject* parent = nullptr);
    ~PreciseTimer() override;

    // Fires once, waitNs from now (at once for 0 or less); a running wait is replaced.
    void start(qint64 waitNs);
    void stop();
    bool isActive() const { return active_; }

signals:
    void timeout();

private:
    struct Impl;
    Impl* impl_;
    bool active_ = false;
};

}  // namespace rs232sim
