#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "framejudge.h"

namespace cli {

// What `comm-cli run` tells while it runs: the listings, messages and summary as text in the
// window's words, or one JSON event a line for scripts, each with its time `ms` since the run
// started ("t"). Owned by the run command.
class RunReport {
public:
    virtual ~RunReport() = default;

    // The port is open and its stale input discarded: a script may let its device talk now.
    virtual void started(qint64 ms) = 0;
    // Text the window would add to its send or receive listing.
    virtual void listing(const QString& text) = 0;
    virtual void frameSent(int frame, const QByteArray& bytes, qint64 ms) = 0;
    // verdict: the frame judged against the receive frame, when checking.
    virtual void frameReceived(int frame, const QByteArray& bytes,
                               const comm::FrameVerdict* verdict, qint64 ms) = 0;
    // The reply limit passed with `waiting` bytes short of a frame; `asked` when the question
    // goes to the terminal for an answer.
    virtual void timeout(bool asked, const QByteArray& waiting, qint64 ms) = 0;
    virtual void lineEvent(int code, const QString& message, qint64 ms) = 0;
    virtual void error(const QString& message, qint64 ms) = 0;
    // Checking: the good and bad frames of the run, told just before finished().
    virtual void judged(int good, int bad) = 0;
    // reason: "count", "stopped", "timeout", "line" or "error".
    virtual void finished(const QString& reason, int sent, int received, qint64 ms) = 0;
    // The run never started; its error has been reported already.
    virtual void notStarted() = 0;
};

std::unique_ptr<RunReport> MakeRunReport(bool json);

}  // namespace cli
