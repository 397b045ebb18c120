#pragma once

#include <QString>
#include <memory>

#include "serialport.h"
#include "stopsignals.h"
#include "transferengine.h"

namespace cli {

// Exit statuses of send and receive.
enum TransferExit {
    kTransferDone = 0,
    kTransferBadArguments = 2,  // also a file that cannot be sent
    kTransferPortFailed = 3,
    kTransferBroken = 4,  // the device went away, a read or a write failed
    kTransferTimedOut = 5,
    kTransferStopped = 6,
};

// Prints what a file sender or receiver reports, as lines or as one JSON object a line, ends the
// event loop when the transfer ends and keeps the exit status. Ctrl+C (SIGINT, SIGTERM) presses
// the stop button while it lives.
class TransferReport {
public:
    TransferReport(comm::TransferEngine& engine, bool json);
    ~TransferReport();

    // Extra fields of the done event, such as where the file went.
    void setDonePath(const QString& path) { donePath_ = path; }
    // Runs the event loop after a start; the start's own refusal is reported already.
    int run(bool started);
    // Reports a problem found before the engine could start.
    int fail(const QString& message, int status);

private:
    void onFinished(comm::TransferEngine::Outcome outcome, const QString& message);

    comm::TransferEngine& engine_;
    const bool json_;
    QString name_;
    QString donePath_;
    int status_ = kTransferDone;
    std::unique_ptr<comm::StopSignals> stop_;
};

}  // namespace cli
