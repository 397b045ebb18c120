#include "linecounterfile.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace comm {

namespace {
QString folder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) return QDir(runtime).filePath(QStringLiteral("rs232sim"));
    return QStringLiteral("/tmp/rs232sim-%1").arg(::getuid());
}
}  // namespace

QString LineCounterFile(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode)) return {};
    // Every master is the one multiplexer device: name the line by its slave.
    char slave[128] = {};
    if (::ptsname_r(fd, slave, sizeof slave) == 0 && ::stat(slave, &st) != 0) return {};
    return QDir(folder()).filePath(
        QStringLiteral("line-%1-%2").arg(major(st.st_rdev)).arg(minor(st.st_rdev)));
}

bool WriteLineCounterFile(const QString& path, const LineSnapshot& counters) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray text = QStringLiteral(
                                "frame %1\nparity %2\nbreak %3\noverrun %4\n"
                                "buffer-overrun %5\n")
                                .arg(counters.frame)
                                .arg(counters.parity)
                                .arg(counters.brk)
                                .arg(counters.overrun)
                                .arg(counters.bufferOverrun)
                                .toLatin1();
    file.write(text);
    return file.commit();
}

bool ReadLineCounterFile(const QString& path, LineSnapshot* snapshot) {
    if (path.isEmpty()) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QList<QByteArray> lines = file.read(4096).split('\n');
    LineSnapshot s = *snapshot;
    s.hasCounters = true;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() != 2) continue;
        bool ok = false;
        const quint32 value = parts[1].toUInt(&ok);
        if (!ok) continue;
        if (parts[0] == "frame") s.frame = value;
        if (parts[0] == "parity") s.parity = value;
        if (parts[0] == "break") s.brk = value;
        if (parts[0] == "overrun") s.overrun = value;
        if (parts[0] == "buffer-overrun") s.bufferOverrun = value;
    }
    *snapshot = s;
    return true;
}

}  // namespace comm
