#include <QTimer>

#include "precisetimer.h"

namespace rs232sim {

struct PreciseTimer::Impl {
    QTimer timer;
};

PreciseTimer::PreciseTimer(QObject* parent) : QObject(parent), impl_(new Impl) {
    impl_->timer.setSingleShot(true);
    impl_->timer.setTimerType(Qt::PreciseTimer);
    connect(&impl_->timer, &QTimer::timeout, this, [this] {
        active_ = false;
        emit timeout();
    });
}

PreciseTimer::~PreciseTimer() {
    delete impl_;
}

// Rounded up: waking early would only go back to sleep.
void PreciseTimer::start(qint64 waitNs) {
    active_ = true;
    impl_->timer.start(waitNs <= 0 ? 0 : int((waitNs + 999999) / 1000000));
}

void PreciseTimer::stop() {
    active_ = false;
    impl_->timer.stop();
}

}  // namespace rs232sim
