#include "simprocess.h"

#include <signal.h>

#include <QDeadlineTimer>

#include "builtprogram.h"

SimProcess::SimProcess(const QStringList& args) {
    process_.setProgram(Program());
    process_.setArguments(args);
    process_.start();
}

SimProcess::~SimProcess() {
    if (process_.state() != QProcess::NotRunning && !stop(SIGTERM, 5000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool SimProcess::waitForPorts(const QStringList& keys, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    auto haveAll = [&] {
        for (const QString& key : keys)
            if (!ports_.contains(key)) return false;
        return true;
    };
    while (!haveAll()) {
        if (process_.state() == QProcess::NotRunning) return false;
        if (!process_.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())))) {
            if (deadline.hasExpired()) return false;
            continue;
        }
        pending_ += process_.readAllStandardOutput();
        int newline;
        while ((newline = int(pending_.indexOf('\n'))) >= 0) {
            const QString line = QString::fromLocal8Bit(pending_.left(newline));
            pending_.remove(0, newline + 1);
            const int space = int(line.indexOf(QLatin1Char(' ')));
            if (space > 0) ports_.insert(line.left(space), line.mid(space + 1));
        }
    }
    return true;
}

bool SimProcess::stop(int signal, int timeoutMs) {
    if (process_.state() == QProcess::NotRunning) return true;
    ::kill(pid_t(process_.processId()), signal);
    return process_.waitForFinished(timeoutMs);
}

QString SimProcess::Program() {
    return BuiltProgram(QStringLiteral("rs232sim"));
}
