#pragma once

#include <QObject>

class QSocketNotifier;

namespace comm {

// Turns SIGINT, SIGTERM and SIGHUP into a Qt signal on the event loop, so a program stops through
// its own code and destructors. The handler only writes the signal's number into a pipe that a
// socket notifier reads. One installed per process at a time; the dispositions from before come
// back when it goes. Owned by the function that runs the event loop.
class StopSignals : public QObject {
    Q_OBJECT
public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // False with the reason in *error when the pipe cannot be made or another one is installed.
    bool install(QString* error);

signals:
    void stopRequested(int signal);

private:
    void uninstall();

    QSocketNotifier* notifier_ = nullptr;
    bool installed_ = false;
};

}  // namespace comm
