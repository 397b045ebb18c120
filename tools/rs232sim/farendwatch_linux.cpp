#include <sys/inotify.h>
#include <unistd.h>

#include <QFile>
#include <QSocketNotifier>

#include "farendwatch.h"

namespace rs232sim {

struct FarEndWatch::Impl {
    int fd = -1;
    int open = 0;  // opens by others not yet closed
    QSocketNotifier* readable = nullptr;
};

FarEndWatch::FarEndWatch(const QString& slavePath, QObject* parent)
    : QObject(parent), impl_(new Impl) {
    impl_->fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (impl_->fd < 0) return;
    if (::inotify_add_watch(impl_->fd, QFile::encodeName(slavePath).constData(),
                            IN_OPEN | IN_CLOSE) < 0) {
        ::close(impl_->fd);
        impl_->fd = -1;
        return;
    }
    impl_->readable = new QSocketNotifier(impl_->fd, QSocketNotifier::Read, this);
    connect(impl_->readable, &QSocketNotifier::activated, this, [this] {
        // Every event that waits is taken before deciding, so a close and the reopen queued
        // behind it cancel out.
        alignas(inotify_event) char buffer[4096];
        bool closed = false;
        for (;;) {
            const ssize_t n = ::read(impl_->fd, buffer, sizeof buffer);
            if (n <= 0) break;
            for (ssize_t at = 0; at < n;) {
                const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
                if (e->mask & IN_OPEN) ++impl_->open;
                if ((e->mask & IN_CLOSE) && impl_->open > 0) closed = --impl_->open == 0;
                at += ssize_t(sizeof(inotify_event) + e->len);
            }
        }
        if (closed && impl_->open == 0) emit allClosed();
    });
}

FarEndWatch::~FarEndWatch() {
    if (impl_->fd >= 0) ::close(impl_->fd);
    delete impl_;
}

}  // namespace rs232sim
