#pragma once

#include <QObject>

class QSocketNotifier;

namespace rs232sim {

// Turns SIGINT, SIGTERM and SIGHUP into a Qt signal on the event loop, so the simulator ends
// through its destructors and removes its links. One per process.
class StopSignals : public QObject {
    Q_OBJECT
public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;
    bool install(QString* error);

signals:
    void stopRequested(int signal);

private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace rs232sim
