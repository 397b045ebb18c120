#include <sys/prctl.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>
#include <type_traits>

#include "precisetimer.h"

namespace {

// The kernel's timer value (an interval and a first expiry), named after the call that takes it.
template <typename F>
struct ThirdArgument;
template <typename R, typename A, typename B, typename C, typename D>
struct ThirdArgument<R (*)(A, B, C, D)> {
    using type = std::remove_const_t<std::remove_pointer_t<C>>;
};
template <typename R, typename A, typename B, typename C, typename D>
struct ThirdArgument<R (*)(A, B, C, D) noexcept> {
    using type = std::remove_const_t<std::remove_pointer_t<C>>;
};
using TimerValue = ThirdArgument<decltype(&::timerfd_settime)>::type;

}  // namespace

namespace rs232sim {

struct PreciseTimer::Impl {
    int fd = -1;
    QSocketNotifier* notifier = nullptr;
    QTimer fallback;
};

PreciseTimer::PreciseTimer(QObject* parent) : QObject(parent), impl_(new Impl) {
    impl_->fallback.setSingleShot(true);
    impl_->fallback.setTimerType(Qt::PreciseTimer);
    connect(&impl_->fallback, &QTimer::timeout, this, [this] {
        active_ = false;
        emit timeout();
    });
    // The kernel may otherwise let each wake come up to 50 us late, a quarter of a character.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    impl_->fd = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (impl_->fd < 0) return;
    impl_->notifier = new QSocketNotifier(impl_->fd, QSocketNotifier::Read, this);
    connect(impl_->notifier, &QSocketNotifier::activated, this, [this] {
        quint64 expirations = 0;
        if (::read(impl_->fd, &expirations, sizeof expirations) <= 0 || !active_) return;
        active_ = false;
        emit timeout();
    });
}

PreciseTimer::~PreciseTimer() {
    if (impl_->fd >= 0) ::close(impl_->fd);
    delete impl_;
}

void PreciseTimer::start(qint64 waitNs) {
    active_ = true;
    if (impl_->fd < 0 || waitNs <= 0) {
        impl_->fallback.start(waitNs <= 0 ? 0 : int((waitNs + 999999) / 1000000));
        return;
    }
    TimerValue deadline{};
    deadline.it_value.tv_sec = time_t(waitNs / 1000000000);
    deadline.it_value.tv_nsec = long(waitNs % 1000000000);
    ::timerfd_settime(impl_->fd, 0, &deadline, nullptr);
}

void PreciseTimer::stop() {
    active_ = false;
    impl_->fallback.stop();
    if (impl_->fd < 0) return;
    const TimerValue disarm{};
    ::timerfd_settime(impl_->fd, 0, &disarm, nullptr);
}

}  // namespace rs232sim
