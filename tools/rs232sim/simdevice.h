#pragma once

#include <QObject>
#include <QTimer>

#include "simoptions.h"

class QSocketNotifier;

namespace rs232sim {

class PacedWriter;

// A simulated device on the master of one pseudo-terminal: echoes, answers every N received bytes,
// or streams fixed bytes at an interval. What it sends goes at the line's pace; what it receives is
// taken as fast as it comes.
class SimDevice : public QObject {
    Q_OBJECT
public:
    SimDevice(int master, const DeviceOptions& options, QObject* parent = nullptr);

private:
    void readSome();
    void streamTick();

    int master_;
    DeviceOptions options_;
    PacedWriter* writer_;
    QSocketNotifier* readable_;
    QTimer stream_;
    qint64 received_ = 0;
};

}  // namespace rs232sim
