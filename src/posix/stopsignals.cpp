#include "stopsignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace comm {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kSignalCount = int(sizeof kSignals / sizeof kSignals[0]);

// Process-wide, since a signal handler has no other way to reach the pipe.
int gPipe[2] = {-1, -1};
bool gInUse = false;
struct sigaction gPrevious[kSignalCount];

void OnSignal(int signal) {
    // The interrupted code may be about to look at errno.
    const int saved = errno;
    const auto number = static_cast<unsigned char>(signal);
    // A full pipe already holds a stop request: dropping this one loses nothing.
    [[maybe_unused]] const ssize_t n = ::write(gPipe[1], &number, 1);
    errno = saved;
}

QString SystemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

}  // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent) {}

StopSignals::~StopSignals() {
    uninstall();
}

bool StopSignals::install(QString* error) {
    if (installed_) return true;
    if (gInUse) {
        *error = QStringLiteral("stop signals are taken by another handler already");
        return false;
    }
    if (::pipe2(gPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        *error = SystemError("cannot make a pipe");
        gPipe[0] = gPipe[1] = -1;
        return false;
    }
    gInUse = true;
    installed_ = true;
    notifier_ = new QSocketNotifier(gPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        unsigned char number = 0;
        while (::read(gPipe[0], &number, 1) == 1) emit stopRequested(number);
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < kSignalCount; ++i) ::sigaction(kSignals[i], &action, &gPrevious[i]);
    return true;
}

void StopSignals::uninstall() {
    if (!installed_) return;
    // The handlers go before the pipe they write to.
    for (int i = 0; i < kSignalCount; ++i) ::sigaction(kSignals[i], &gPrevious[i], nullptr);
    delete notifier_;
    notifier_ = nullptr;
    for (int& fd : gPipe) {
        ::close(fd);
        fd = -1;
    }
    installed_ = false;
    gInUse = false;
}

}  // namespace comm
