#include "virtualclock.h"

#include <QCoreApplication>
#include <QTimer>

namespace comm {

namespace {
// A chain that posts without end would never let a drain finish; real loops would spin too.
constexpr int kMaxDrainPasses = 1000;
}  // namespace

// Counts the events the application delivers, so a drain can tell when nothing moves any more:
// Qt has no public way to ask whether posted events are waiting.
class DeliveryCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent*) override {
        ++delivered;
        return false;
    }
    quint64 delivered = 0;
};

class VirtualTimer : public ClockTimer {
public:
    VirtualTimer(VirtualClock& clock, QObject* parent) : ClockTimer(parent), clock_(&clock) {}
    ~VirtualTimer() override {
        if (clock_) clock_->forget(this);
    }
    void start(int ms) override {
        if (clock_) clock_->schedule(this, qMax(0, ms));
    }
    void stop() override {
        if (clock_) clock_->unschedule(this);
    }
    bool isActive() const override { return active_; }

    void detach() {
        clock_ = nullptr;
        active_ = false;
    }
    void fire() {
        active_ = false;
        emit timeout();
    }

    VirtualClock* clock_;
    bool active_ = false;
    qint64 dueNs_ = 0;
    quint64 order_ = 0;
};

VirtualClock::VirtualClock() = default;

VirtualClock::~VirtualClock() {
    *alive_ = false;
    for (VirtualTimer* timer : std::as_const(timers_)) timer->detach();
}

std::unique_ptr<ClockTimer> VirtualClock::makeTimer(QObject* parent) {
    auto timer = std::make_unique<VirtualTimer>(*this, parent);
    timers_.append(timer.get());
    return timer;
}

void VirtualClock::schedule(VirtualTimer* timer, int ms) {
    timer->active_ = true;
    timer->dueNs_ = nowNs_ + qint64(ms) * 1000000;
    timer->order_ = ++sequence_;
    if (ms == 0) postDueNow();
}

void VirtualClock::unschedule(VirtualTimer* timer) {
    timer->active_ = false;
}

void VirtualClock::forget(VirtualTimer* timer) {
    timers_.removeAll(timer);
}

void VirtualClock::postDueNow() {
    if (duePosted_) return;
    duePosted_ = true;
    std::weak_ptr<bool> alive = alive_;
    // One timer a pass, as a real loop fires them: what the timer posts, and a timer it starts
    // at 0 ms, come after the events already waiting.
    QTimer::singleShot(0, [this, alive] {
        if (alive.expired() || !*alive.lock()) return;
        if (advancing_) {
            // advance() fires them itself, once everything posted has run.
            duePosted_ = false;
            return;
        }
        fireOne(nowNs_);
        duePosted_ = false;
        if (dueNow()) postDueNow();
    });
}

bool VirtualClock::dueNow() const {
    for (const VirtualTimer* timer : timers_)
        if (timer->active_ && timer->dueNs_ <= nowNs_) return true;
    return false;
}

bool VirtualClock::fireOne(qint64 limitNs) {
    VirtualTimer* next = nullptr;
    for (VirtualTimer* timer : std::as_const(timers_)) {
        if (!timer->active_ || timer->dueNs_ > limitNs) continue;
        if (!next || timer->dueNs_ < next->dueNs_ ||
            (timer->dueNs_ == next->dueNs_ && timer->order_ < next->order_))
            next = timer;
    }
    if (!next) return false;
    nowNs_ = qMax(nowNs_, next->dueNs_);
    next->fire();
    return true;
}

void VirtualClock::drainEvents() {
    // Until a pass delivers nothing: a posted call may post the next one, and so on.
    if (!counter_ && QCoreApplication::instance()) {
        counter_ = std::make_unique<DeliveryCounter>();
        QCoreApplication::instance()->installEventFilter(counter_.get());
    }
    for (int pass = 0; pass < kMaxDrainPasses; ++pass) {
        const quint64 before = counter_ ? counter_->delivered : 0;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (!counter_ || counter_->delivered == before) return;
    }
}

void VirtualClock::advance(qint64 ms) {
    const qint64 targetNs = nowNs_ + qMax<qint64>(0, ms) * 1000000;
    const bool outer = !advancing_;
    advancing_ = true;
    drainEvents();
    while (fireOne(targetNs)) drainEvents();
    nowNs_ = targetNs;
    drainEvents();
    while (fireOne(nowNs_)) drainEvents();
    if (outer) advancing_ = false;
}

void VirtualClock::settle() {
    advance(0);
}

int VirtualClock::activeTimers() const {
    int n = 0;
    for (const VirtualTimer* timer : timers_) n += timer->active_ ? 1 : 0;
    return n;
}

qint64 VirtualClock::msUntilNext() const {
    qint64 best = -1;
    for (const VirtualTimer* timer : timers_) {
        if (!timer->active_) continue;
        const qint64 ms = (timer->dueNs_ - nowNs_ + 999999) / 1000000;
        if (best < 0 || ms < best) best = ms;
    }
    return best;
}

}  // namespace comm
