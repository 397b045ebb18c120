#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "clock.h"

namespace comm {

class SerialPort;

// The waits one engine is built from: the next step on the next pass of the event loop, a pause
// of D ms, a wait until N bytes wait on the port, a hold until the caller acts, and a limit that
// runs beside them. At most one step is pending at a time; setting one replaces the last. Every
// timer comes from the clock it is given, so the same engine runs on real time in the programs
// and on a virtual clock in tests. It also passes on the port's line events and the loss of its
// device. Owned by its engine; the port and the clock must outlive it.
class StepMachine : public QObject {
    Q_OBJECT
public:
    using Step = std::function<void()>;
    enum class Waiting { Nothing, Step, Pause, Bytes, Held };
    Q_ENUM(Waiting)

    StepMachine(SerialPort& port, Clock& clock, QObject* parent = nullptr);
    ~StepMachine() override;

    SerialPort& port() const { return port_; }
    Clock& clock() const { return clock_; }

    // Where the elapsed time of a run counts from: the start itself, or an earlier markStart()
    // (a run that begins before its port opens).
    enum class Since { Start, Mark };
    // Running: steps and limits may be set.
    void start(Since since = Since::Start);
    // The elapsed time counts from now, running or not.
    void markStart();
    // Not running: the pending step and the limit are dropped.
    void halt();
    bool running() const { return running_; }
    qint64 elapsedMs() const;

    // Runs step on the next pass, or delayMs later on the clock (a pause).
    void next(Step step, int delayMs = 0);
    // Runs step once at least count bytes wait on the port (on the next pass when they already do).
    void waitForBytes(int count, Step step);
    // The same, but when part of what is awaited came and nothing more for quietMs, runs onQuiet
    // instead: the rest is not coming (a character lost on the line). Each byte that comes starts
    // the quiet time again.
    void waitForBytes(int count, Step step, int quietMs, Step onQuiet);
    // Nothing moves until the caller sets the next step (a question is out).
    void hold();
    // A wait for bytes gives up and runs its step on the next pass; other waits are left alone.
    void wake();
    Waiting waiting() const { return waiting_; }

    // Runs onLimit ms from now, unless cancelled or armed again first; independent of the steps.
    void armLimit(int ms, Step onLimit);
    void cancelLimit();
    bool limitActive() const;

signals:
    // The port's OnComm notification, running or not.
    void lineEvent(int code);
    // The port's device went away (the port is closed already).
    void deviceLost(const QString& reason);

private:
    void onStepTimer();
    void onReadyRead();
    void onLimitTimer();
    void onQuietTimer();
    void endQuiet();

    SerialPort& port_;
    Clock& clock_;
    std::unique_ptr<ClockTimer> stepTimer_;
    std::unique_ptr<ClockTimer> limitTimer_;
    std::unique_ptr<ClockTimer> quietTimer_;
    Step step_;
    Step onLimit_;
    Step onQuiet_;
    int wantBytes_ = 0;
    int quietMs_ = 0;
    Waiting waiting_ = Waiting::Nothing;
    bool running_ = false;
    qint64 startNs_ = 0;
};

}  // namespace comm
