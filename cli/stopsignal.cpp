#include "stopsignal.h"

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace cli {

namespace {
int gFds[2] = {-1, -1};

void onSignal(int) {
    const char b = 1;
    [[maybe_unused]] const ssize_t n = ::write(gFds[1], &b, 1);
}
}  // namespace

StopSignal::StopSignal(std::function<void()> onStop) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, gFds) != 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(gFds[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [onStop] {
        char b = 0;
        [[maybe_unused]] const ssize_t n = ::read(gFds[0], &b, 1);
        onStop();
    });
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
}

StopSignal::~StopSignal() {
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    notifier_.reset();
    for (int& fd : gFds) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

}  // namespace cli
