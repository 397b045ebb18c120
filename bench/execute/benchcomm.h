#pragma once

#include <fcntl.h>
#include <termios.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QString>
#include <QTimer>
#include <ctime>

#include "commdefinition.h"
#include "txlfile.h"

// Shared by the benchmarks: communications made in code, CPU clocks, waiting and program paths.
namespace benchcomm {

// A communication whose send frame is `send` (all data bytes) and whose receive frame is
// recvLength data bytes, at the given settings indexes (default 115200,N,8,1).
inline comm::CommDefinition Definition(int kind, const QByteArray& send, int recvLength,
                                       comm::SettingIndexes settings = {12, 4, 2, 0}) {
    comm::CommDefinition def;
    def.CommKind = qint16(kind);
    def.FileCommKind = qint16(kind);
    def.setPortSettings(settings);
    def.FrameFieldCount = {0, qint16(send.size()), 0, 0, 0, qint16(recvLength), 0, 0};
    for (int i = 0; i < send.size(); ++i) def.SendDataBytes[i] = qint16(quint8(send[i]));
    for (int i = 0; i < recvLength; ++i) def.RecvDataBytes[i] = 0;
    return def;
}

// Writes def as a communication file with its options; false when it cannot.
inline bool WriteFile(const QString& path, const comm::CommDefinition& def,
                      comm::CommOptions options) {
    QString error;
    return comm::WriteCommFile(path, def, &options, true, &error);
}

inline double ProcessCpuSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

inline double WallSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// The far end of a virtual line opened raw, as a device's own port would be; -1 on failure.
inline int OpenRawFarEnd(const QString& path, int flags) {
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_CLOEXEC | flags);
    if (fd < 0) return -1;
    termios raw{};
    ::tcgetattr(fd, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(fd, TCSANOW, &raw);
    return fd;
}

// Lets the event loop run for ms of real time, as a program waiting on its port would.
inline void RunFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A program of ours: COMM_BIN_DIR/name, else beside the benchmark's own folder (build/bin).
inline QString Program(const QString& name) {
    const QString binDir = qEnvironmentVariable("COMM_BIN_DIR");
    if (!binDir.isEmpty()) return QDir(binDir).filePath(name);
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../") + name);
}

}  // namespace benchcomm
