#include <sys/inotify.h>
#include <unistd.h>

#include <QSocketNotifier>

#include "devicewatch.h"

namespace comm {

namespace {
constexpr uint32_t kMask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
}

DeviceWatch::DeviceWatch(QObject* parent) : QObject(parent) {}

DeviceWatch::~DeviceWatch() {
    if (fd_ >= 0) ::close(fd_);
}

bool DeviceWatch::start() {
    if (fd_ >= 0) return true;
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) return false;
    if (::inotify_add_watch(fd_, "/dev", kMask) < 0) {
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    watchSerialFolders();
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &DeviceWatch::readEvents);
    return true;
}

// udev makes /dev/serial/by-id with the first adapter and removes it with the last, so the
// folders are watched again whenever anything changes (adding a watch twice is harmless).
void DeviceWatch::watchSerialFolders() {
    ::inotify_add_watch(fd_, "/dev/serial", kMask);
    ::inotify_add_watch(fd_, "/dev/serial/by-id", kMask);
}

void DeviceWatch::readEvents() {
    alignas(inotify_event) char buffer[4096];
    bool any = false;
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n <= 0) break;
        any = true;
    }
    if (!any) return;
    watchSerialFolders();
    emit changed();
}

}  // namespace comm
