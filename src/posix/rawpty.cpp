#include "rawpty.h"

#include <fcntl.h>
#include <pty.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace comm {

namespace {

bool Fail(const char* what, QString* error) {
    if (error)
        *error = QStringLiteral("%1: %2").arg(QLatin1String(what),
                                              QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

bool AddFlag(int fd, int get, int set, int flag) {
    const int flags = ::fcntl(fd, get);
    return flags >= 0 && ::fcntl(fd, set, flags | flag) == 0;
}

}  // namespace

RawPty::~RawPty() {
    close();
}

bool RawPty::open(QString* error) {
    close();
    if (::openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) {
        master_ = slave_ = -1;
        return Fail("cannot open a pseudo-terminal", error);
    }
    char name[128] = {};
    termios tio{};
    bool ok = ::ptsname_r(master_, name, sizeof name) == 0;
    if (ok) {
        ok = ::tcgetattr(slave_, &tio) == 0;
        ::cfmakeraw(&tio);
        ok = ok && ::tcsetattr(slave_, TCSANOW, &tio) == 0;
    }
    // Not inherited: a program started later holding an end would keep the line from hanging up.
    ok = ok && AddFlag(master_, F_GETFD, F_SETFD, FD_CLOEXEC) &&
         AddFlag(slave_, F_GETFD, F_SETFD, FD_CLOEXEC) &&
         AddFlag(master_, F_GETFL, F_SETFL, O_NONBLOCK);
    if (!ok) {
        const int saved = errno;
        close();
        errno = saved;
        return Fail("cannot set up a pseudo-terminal", error);
    }
    slavePath_ = QString::fromLocal8Bit(name);
    return true;
}

void RawPty::close() {
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    slave_ = master_ = -1;
    slavePath_.clear();
}

}  // namespace comm
