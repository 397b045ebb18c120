#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace cli {

// Turns SIGINT and SIGTERM into a call from the event loop while it lives: the signal handler
// only writes a byte that a socket notifier reads, so the stop runs like any other event.
// One at a time; owned by the command that runs the event loop.
class StopSignal {
public:
    explicit StopSignal(std::function<void()> onStop);
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

private:
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace cli
