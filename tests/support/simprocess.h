#pragma once

#include <QMap>
#include <QProcess>
#include <QStringList>

// A running rs232sim for tests and benchmarks; stopped with SIGTERM (and waited for) when it goes.
class SimProcess {
public:
    explicit SimProcess(const QStringList& args);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Waits for the lines naming the ports ("A", "B" or "PORT"); false on time-out or exit.
    bool waitForPorts(const QStringList& keys, int timeoutMs = 10000);
    QString port(const QString& key) const { return ports_.value(key); }
    QProcess& process() { return process_; }
    // Sends a signal and waits for the exit; false when it did not end in time.
    bool stop(int signal, int timeoutMs = 10000);

    // The rs232sim of this build.
    static QString Program();

private:
    QProcess process_;
    QMap<QString, QString> ports_;
    QByteArray pending_;
};
