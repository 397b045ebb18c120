#pragma once

#include <QString>

namespace comm {

// Starts the Holdpane program once for a candidate, without waiting for it. The identification
// is given one: the window's starts the real program beside the executable, tests record calls.
class HoldpaneStarter {
public:
    virtual ~HoldpaneStarter() = default;
    // False, with the reason in *error, when the program could not be started.
    virtual bool start(QString* error) = 0;
};

// The program's file name here ("Holdpane", with the suffix programs carry on this platform).
QString HoldpaneFileName();

// Starts "Holdpane" from the given folder (the running program's own when empty), detached.
class ProgramHoldpaneStarter : public HoldpaneStarter {
public:
    explicit ProgramHoldpaneStarter(const QString& folder = QString());
    bool start(QString* error) override;
    QString program() const { return program_; }

private:
    QString program_;
};

}  // namespace comm
