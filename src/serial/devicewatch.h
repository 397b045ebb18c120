#pragma once

#include <QObject>

class QSocketNotifier;

namespace comm {

// Tells when device nodes come or go, without a timer: on Linux an inotify watch on /dev and
// the serial by-id folder. Where the platform has no such watch, start() fails and changed never
// comes. Owned by the discovery that reads the list again on changed.
class DeviceWatch : public QObject {
    Q_OBJECT
public:
    explicit DeviceWatch(QObject* parent = nullptr);
    ~DeviceWatch() override;

    bool start();
    bool active() const { return fd_ >= 0; }

signals:
    void changed();

private:
    void readEvents();
    void watchSerialFolders();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace comm
