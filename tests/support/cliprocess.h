#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>

// A running comm-cli for end-to-end tests. Its output is drained from the event loop while it
// runs (so a chatty command never blocks on a full pipe) and its JSON lines are kept as events.
// Killed and waited for when it goes.
class CliProcess {
public:
    explicit CliProcess(const QStringList& args);
    ~CliProcess();
    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    // Run the event loop until an event of that name came, or the command ended.
    bool waitForEvent(const QString& name, int timeoutMs = 10000);
    bool waitForExit(int timeoutMs = 30000);
    bool running() const { return process_.state() != QProcess::NotRunning; }
    int exitCode() const { return process_.exitCode(); }
    void sendSignal(int signal);

    QList<QJsonObject> events() const { return events_; }
    int count(const QString& name) const;
    // The last event of that name; empty when none came.
    QJsonObject last(const QString& name) const;
    QString standardError() const { return QString::fromUtf8(err_); }

private:
    void readOutput();

    QProcess process_;
    QByteArray out_;
    QByteArray err_;
    QList<QJsonObject> events_;
};
