#include "ptyend.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

namespace rs232sim {

PtyEnd::~PtyEnd() {
    close();
}

bool PtyEnd::open(const QString& link, QString* error) {
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        *error = QStringLiteral("cannot open a pseudo-terminal: %1")
                     .arg(QString::fromLocal8Bit(std::strerror(errno)));
        master_ = slave_ = -1;
        return false;
    }
    slavePath_ = QString::fromLocal8Bit(name);
    termios tio{};
    ::tcgetattr(slave_, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(slave_, TCSANOW, &tio);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    if (link.isEmpty()) return true;

    const QByteArray linkPath = QFile::encodeName(link);
    struct stat st {};
    if (::lstat(linkPath.constData(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            *error =
                QStringLiteral("%1 exists and is not a symbolic link; not replacing it").arg(link);
            close();
            return false;
        }
        ::unlink(linkPath.constData());
    }
    if (::symlink(name, linkPath.constData()) != 0) {
        *error = QStringLiteral("cannot make the link %1: %2")
                     .arg(link, QString::fromLocal8Bit(std::strerror(errno)));
        close();
        return false;
    }
    link_ = link;
    return true;
}

void PtyEnd::close() {
    if (!link_.isEmpty()) {
        // Only our own link goes: someone may have put something else there meanwhile.
        const QByteArray linkPath = QFile::encodeName(link_);
        char target[256] = {};
        const ssize_t n = ::readlink(linkPath.constData(), target, sizeof target - 1);
        if (n > 0 && QString::fromLocal8Bit(target, int(n)) == slavePath_)
            ::unlink(linkPath.constData());
        link_.clear();
    }
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    slave_ = master_ = -1;
}

}  // namespace rs232sim
