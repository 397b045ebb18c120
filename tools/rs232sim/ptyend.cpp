#include "ptyend.h"

#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

#include "farendwatch.h"

namespace rs232sim {

PtyEnd::PtyEnd() = default;

PtyEnd::~PtyEnd() {
    close();
}

bool PtyEnd::open(const QString& link, QString* error) {
    if (!pty_.open(error)) return false;
    slavePath_ = pty_.slavePath();
    termios start{};
    if (::tcgetattr(pty_.slave(), &start) == 0) {
        farEnd_ = std::make_unique<FarEndWatch>(slavePath_);
        QObject::connect(farEnd_.get(), &FarEndWatch::allClosed,
                         [this, start] { ::tcsetattr(pty_.slave(), TCSANOW, &start); });
    }
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
    if (::symlink(QFile::encodeName(slavePath_).constData(), linkPath.constData()) != 0) {
        *error = QStringLiteral("cannot make the link %1: %2")
                     .arg(link, QString::fromLocal8Bit(std::strerror(errno)));
        close();
        return false;
    }
    link_ = link;
    return true;
}

void PtyEnd::close() {
    farEnd_.reset();
    if (!link_.isEmpty()) {
        // Only our own link goes: someone may have put something else there meanwhile.
        const QByteArray linkPath = QFile::encodeName(link_);
        char target[256] = {};
        const ssize_t n = ::readlink(linkPath.constData(), target, sizeof target - 1);
        if (n > 0 && QString::fromLocal8Bit(target, int(n)) == slavePath_)
            ::unlink(linkPath.constData());
        link_.clear();
    }
    pty_.close();
}

}  // namespace rs232sim
