#pragma once

#include <QByteArray>
#include <QString>

#include "rawpty.h"

// A pseudo-terminal for tests: the test plays the far end on the master, the port under test opens
// the slave path. The slave is held open too, so bytes sent while the port is closed wait in the
// line the way a device's would.
class PtyLine {
public:
    PtyLine();
    ~PtyLine();
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    bool ok() const { return pty_.isOpen(); }
    QString slavePath() const { return path_; }
    int slaveFd() const { return pty_.slave(); }
    int masterFd() const { return pty_.master(); }
    // Writes everything (the master never blocks for long: the port drains the other side).
    void send(const QByteArray& bytes);
    // Everything that has come out of the master so far.
    QByteArray received();
    // Closes both ends held here: the port sees its far end go away.
    void hangUp();

private:
    comm::RawPty pty_;
    QString path_;
    QByteArray received_;
};
