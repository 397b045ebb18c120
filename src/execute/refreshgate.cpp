#include "refreshgate.h"

namespace comm {

RefreshGate::RefreshGate(std::function<void()> apply, QObject* parent, int intervalMs)
    : QObject(parent), apply_(std::move(apply)) {
    interval_.setSingleShot(true);
    interval_.setInterval(intervalMs);
    connect(&interval_, &QTimer::timeout, this, &RefreshGate::onInterval);
}

void RefreshGate::request() {
    if (interval_.isActive()) {
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
            interval_.start();
        },
        Qt::QueuedConnection);
}

void RefreshGate::applyNow() {
    interval_.stop();
    pending_ = false;
    posted_ = false;
    apply_();
}

void RefreshGate::onInterval() {
    if (!pending_) return;
    // Changes kept coming: apply them and hold the next ones for another interval.
    pending_ = false;
    apply_();
    interval_.start();
}

}  // namespace comm
