#include "refreshgate.h"

namespace comm {

RefreshGate::RefreshGate(Clock& clock, std::function<void()> apply, QObject* parent, int intervalMs)
    : QObject(parent),
      apply_(std::move(apply)),
      intervalMs_(intervalMs),
      interval_(clock.makeTimer(this)) {
    connect(interval_.get(), &ClockTimer::timeout, this, &RefreshGate::onInterval);
}

void RefreshGate::request() {
    if (interval_->isActive()) {
        pending_ = true;
        return;
    }
    if (posted_) return;
    // Applied once the change that asked is complete (a frame's listing and its count).
    posted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!posted_) return;
            posted_ = false;
            apply_();
            interval_->start(intervalMs_);
        },
        Qt::QueuedConnection);
}

void RefreshGate::applyNow() {
    interval_->stop();
    pending_ = false;
    posted_ = false;
    apply_();
}

void RefreshGate::onInterval() {
    if (!pending_) return;
    // Changes kept coming: apply them and hold the next ones for another interval.
    pending_ = false;
    apply_();
    interval_->start(intervalMs_);
}

}  // namespace comm
