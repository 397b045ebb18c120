#include "linecounterfile.h"

// termios2 gives any rate exactly; it clashes with <termios.h>, which this file does not use.
#include <asm/termbits.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>

namespace comm {

namespace {
QString folder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) return QDir(runtime).filePath(QStringLiteral("rs232sim"));
    return QStringLiteral("/tmp/rs232sim-%1").arg(::getuid());
}

QString fileOf(const struct stat& st) {
    return QDir(folder()).filePath(
        QStringLiteral("line-%1-%2").arg(major(st.st_rdev)).arg(minor(st.st_rdev)));
}

// Written aside, then renamed into place, so a reader never sees half of it. No sync: a reader
// polls it within milliseconds of a change.
bool replaceFile(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString aside = path + QStringLiteral(".new");
    QFile file(aside);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const bool written = file.write(text) == text.size();
    file.close();
    return written &&
           ::rename(QFile::encodeName(aside).constData(), QFile::encodeName(path).constData()) == 0;
}

bool running(const QByteArray& pidText) {
    bool ok = false;
    const int pid = pidText.toInt(&ok);
    return ok && pid > 0 && (::kill(pid, 0) == 0 || errno != ESRCH);
}
}  // namespace

QString LineCounterFile(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode)) return {};
    // Every master is the one multiplexer device: name the line by its slave.
    char slave[128] = {};
    if (::ptsname_r(fd, slave, sizeof slave) == 0 && ::stat(slave, &st) != 0) return {};
    return fileOf(st);
}

QString LineCounterFileOfPath(const QString& device) {
    struct stat st {};
    if (::stat(QFile::encodeName(device).constData(), &st) != 0 || !S_ISCHR(st.st_mode)) return {};
    return fileOf(st);
}

QString AppliedSettingsFile(const QString& counterFile) {
    return counterFile + QStringLiteral(".settings");
}

bool AskForAppliedSettings(const QString& counterFile) {
    return !counterFile.isEmpty() && replaceFile(AppliedSettingsFile(counterFile), {});
}

bool PublishAppliedSettings(const QString& counterFile, const LineSettings& settings) {
    const QString path = AppliedSettingsFile(counterFile);
    if (counterFile.isEmpty() || !QFile::exists(path)) return false;
    return replaceFile(path, "pid " + QByteArray::number(::getpid()) + "\nsettings " +
                                 settings.text().toLatin1() + '\n');
}

bool ReadAppliedSettings(const QString& counterFile, LineSettings* settings) {
    QFile file(AppliedSettingsFile(counterFile));
    if (counterFile.isEmpty() || !file.open(QIODevice::ReadOnly)) return false;
    bool alive = false;
    LineSettings read;
    bool found = false;
    for (const QByteArray& line : file.read(4096).split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() != 2) continue;
        if (parts[0] == "pid") alive = running(parts[1]);
        QString error;
        if (parts[0] == "settings")
            found = LineSettings::parse(QString::fromLatin1(parts[1]), &read, &error);
    }
    // A port whose program is gone says nothing of whoever opens the terminal next.
    if (!alive || !found) return false;
    *settings = read;
    return true;
}

quint64 LineCounterSource(int baud, bool twoStopBits, bool oddParity) {
    return (quint64(quint32(baud)) << 2 | (twoStopBits ? 2 : 0) | (oddParity ? 1 : 0)) + 1;
}

quint64 LineCounterSourceOf(int fd) {
    struct termios2 tio {};
    if (::ioctl(fd, TCGETS2, &tio) != 0) return 0;
    return LineCounterSource(int(tio.c_ospeed), (tio.c_cflag & CSTOPB) != 0,
                             (tio.c_cflag & PARODD) != 0);
}

bool WriteLineCounterFile(const QString& path, const LineCountsBySource& counts) {
    QByteArray text = "pid " + QByteArray::number(::getpid()) + '\n';
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        const LineSnapshot& c = it.value();
        text +=
            QStringLiteral("source %1 frame %2 parity %3 break %4 overrun %5 buffer-overrun %6\n")
                .arg(it.key())
                .arg(c.frame)
                .arg(c.parity)
                .arg(c.brk)
                .arg(c.overrun)
                .arg(c.bufferOverrun)
                .toLatin1();
    }
    return replaceFile(path, text);
}

bool ReadLineCounterFile(const QString& path, quint64 source, LineSnapshot* snapshot) {
    if (path.isEmpty()) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    LineSnapshot s = *snapshot;
    s.hasCounters = true;
    s.counterSource = source;
    s.frame = s.parity = s.brk = s.overrun = s.bufferOverrun = 0;
    bool alive = false;
    for (const QByteArray& line : file.read(1 << 16).split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        bool ok = false;
        if (parts.size() == 2 && parts[0] == "pid") {
            alive = running(parts[1]);
            continue;
        }
        if (parts.size() != 12 || parts[0] != "source" || parts[1].toULongLong(&ok) != source ||
            !ok)
            continue;
        for (int i = 2; i + 1 < parts.size(); i += 2) {
            const quint32 value = parts[i + 1].toUInt(&ok);
            if (!ok) continue;
            if (parts[i] == "frame") s.frame = value;
            if (parts[i] == "parity") s.parity = value;
            if (parts[i] == "break") s.brk = value;
            if (parts[i] == "overrun") s.overrun = value;
            if (parts[i] == "buffer-overrun") s.bufferOverrun = value;
        }
    }
    // A simulator that died without removing its file speaks for that line no more.
    if (!alive) return false;
    *snapshot = s;
    return true;
}

}  // namespace comm
