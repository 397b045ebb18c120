#pragma once

#include <QObject>
#include <QString>
#include <array>

#include "candidates.h"
#include "clock.h"
#include "evidence.h"
#include "serialport.h"
#include "stepmachine.h"
#include "verdict.h"

namespace comm {

class HoldpaneStarter;

// How long after the open a candidate's line errors and input are not its own: two characters at
// its settings, and kSettleExtraMs for a port's line watcher to hear of them.
constexpr int kSettleExtraMs = 50;
int SettleMs(const LineSettings& candidate);

// Finds the settings of a device that is already sending: opens the port under each candidate in
// turn, starts Holdpane, listens for a fixed time on the clock it is given, drops a candidate at
// the first line error (break, framing, overrun, parity) and lists those under which bytes waited
// when the time was up, with their first ten bytes and the evidence for each. Sends nothing.
// Reports through signals and never shows anything. Owned by the identification window or
// comm-cli; the port, the clock and the starter are theirs and must outlive it.
class SettingsIdentifier : public QObject {
    Q_OBJECT
public:
    static constexpr int kListenMs = 10000;
    static constexpr int kRecordBytes = 10;
    enum class Failure { PortFailed, HoldpaneFailed, DeviceLost };
    Q_ENUM(Failure)

    // Sets raw input one byte a read on the port, as the window does when it loads.
    SettingsIdentifier(SerialPort& port, Clock& clock, HoldpaneStarter& holdpane,
                       QObject* parent = nullptr);
    ~SettingsIdentifier() override;

    void setLists(const CandidateLists& lists) { lists_ = lists; }
    const CandidateLists& lists() const { return lists_; }
    // Replaces the 10000 ms each candidate listens.
    void setListenMs(int ms) { listenMs_ = ms; }
    int listenMs() const { return listenMs_; }

    bool isRunning() const { return machine_.running(); }
    // The loop indexes of the candidate being tried (or last tried).
    const std::array<int, 4>& indexes() const { return index_; }
    const QList<ListedCandidate>& listed() const { return listed_; }
    // Indexes into listed(), most likely first; filled when the run ends.
    const QList<int>& ranking() const { return ranking_; }
    // What the run allows to say; filled when it ends.
    const Verdict& verdict() const { return verdict_; }

    // The start button: tries every candidate from the first.
    void start();
    // The stop button: stopped() comes at once (the notice belongs there), then the current
    // candidate closes unlisted and finished() follows.
    void stop();
    // The window is closing: ends a run without a word and closes the port.
    void abort();

signals:
    void started(int total);
    // number counts from 0; settings as read back from the port.
    void candidateStarted(int number, const std::array<int, 4>& indexes, const QString& settings);
    void portOpenChanged(bool open);
    // Once a run, after the first open, before any candidate listens.
    void lineErrorsUnreported();
    void candidateListed(const comm::ListedCandidate& candidate);
    void candidateRejected(const QString& settings, int code);
    // A candidate is over and its port closed: done of total.
    void progressed(int done, int total);
    void stopped();
    // The run is over (the last candidate, or a stop); listedCount items were listed.
    void finished(int listedCount);
    // The run ended on a failure; the port is closed.
    void failed(comm::SettingsIdentifier::Failure failure, const QString& reason);

private:
    enum class State { Idle, Listening, Between };
    void beginCandidate();
    void pass();
    void listCandidate();
    void closeCandidate();
    bool nextIndexes();
    void finish();
    void fail(Failure failure, const QString& reason);
    void onLineEvent(int code);

    SerialPort& port_;
    StepMachine machine_;
    HoldpaneStarter& holdpane_;
    CandidateLists lists_ = CandidateLists::standard();
    int listenMs_ = kListenMs;

    State state_ = State::Idle;
    std::array<int, 4> index_{};
    int number_ = 0;
    int done_ = 0;
    bool timeUp_ = false;
    bool lineError_ = false;
    bool settled_ = false;
    int errorCode_ = 0;
    int errorsSeen_ = 0;
    bool noticeGiven_ = false;
    QList<ListedCandidate> listed_;
    QList<int> ranking_;
    Verdict verdict_;
};

}  // namespace comm
