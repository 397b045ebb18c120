#pragma once

#include <QObject>
#include <QString>

namespace rs232sim {

// Tells when every program that opened the slave of a pseudo-terminal has closed it again,
// however it ended: the kernel closes a killed program's descriptors as well. Opens and closes
// are counted from the watch's start, so the simulator's own hold on the slave does not count,
// and a close followed at once by an open (a program reopening its port) is no going away. One
// implementation per platform: farendwatch_linux.cpp (inotify), farendwatch_stub.cpp (never
// tells). Owned by the end it watches.
class FarEndWatch : public QObject {
    Q_OBJECT
public:
    explicit FarEndWatch(const QString& slavePath, QObject* parent = nullptr);
    ~FarEndWatch() override;

signals:
    void allClosed();

private:
    struct Impl;
    Impl* impl_;
};

}  // namespace rs232sim
