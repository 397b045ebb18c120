#include "ptyline.h"

#include <unistd.h>

#include <cerrno>

PtyLine::PtyLine() {
    if (pty_.open()) path_ = pty_.slavePath();
}

PtyLine::~PtyLine() {
    hangUp();
}

void PtyLine::send(const QByteArray& bytes) {
    if (!pty_.isOpen()) return;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(pty_.master(), bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return;
        }
    }
}

QByteArray PtyLine::received() {
    char chunk[4096];
    for (;;) {
        const ssize_t n = ::read(pty_.master(), chunk, sizeof chunk);
        if (n <= 0) break;
        received_.append(chunk, n);
    }
    return received_;
}

void PtyLine::hangUp() {
    pty_.close();
}
