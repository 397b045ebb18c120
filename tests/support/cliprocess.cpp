#include "cliprocess.h"

#include <signal.h>

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QTimer>

#include "builtprogram.h"

namespace {
// Lets the event loop run for a moment: output handlers drain the pipes meanwhile.
void runEventsAWhile() {
    QEventLoop loop;
    QTimer::singleShot(5, &loop, &QEventLoop::quit);
    loop.exec();
}
}  // namespace

CliProcess::CliProcess(const QStringList& args) {
    QObject::connect(&process_, &QProcess::readyReadStandardOutput, [this] { readOutput(); });
    QObject::connect(&process_, &QProcess::readyReadStandardError,
                     [this] { err_ += process_.readAllStandardError(); });
    process_.start(BuiltProgram(QStringLiteral("comm-cli")), args);
    process_.waitForStarted();
}

CliProcess::~CliProcess() {
    if (!running()) return;
    process_.kill();
    process_.waitForFinished(5000);
}

void CliProcess::readOutput() {
    out_ += process_.readAllStandardOutput();
    qsizetype end;
    while ((end = out_.indexOf('\n')) >= 0) {
        const QJsonDocument doc = QJsonDocument::fromJson(out_.left(end));
        if (doc.isObject()) events_.append(doc.object());
        out_.remove(0, end + 1);
    }
}

bool CliProcess::waitForEvent(const QString& name, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (count(name) == 0 && running() && !deadline.hasExpired()) runEventsAWhile();
    readOutput();
    return count(name) > 0;
}

bool CliProcess::waitForExit(int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (running() && !deadline.hasExpired()) runEventsAWhile();
    readOutput();
    err_ += process_.readAllStandardError();
    return !running();
}

void CliProcess::sendSignal(int signal) {
    if (running()) ::kill(pid_t(process_.processId()), signal);
}

int CliProcess::count(const QString& name) const {
    int n = 0;
    for (const QJsonObject& e : events_) n += e.value(QStringLiteral("event")).toString() == name;
    return n;
}

QJsonObject CliProcess::last(const QString& name) const {
    for (auto it = events_.crbegin(); it != events_.crend(); ++it)
        if (it->value(QStringLiteral("event")).toString() == name) return *it;
    return {};
}
