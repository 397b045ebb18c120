#pragma once

#include <QByteArray>
#include <QString>

// A pseudo-terminal for tests: the test plays the far end on the master, the port under test opens
// the slave path. The slave is held open too, so bytes sent while the port is closed wait in the
// line the way a device's would.
class PtyLine {
public:
    PtyLine();
    ~PtyLine();
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    bool ok() const { return master_ >= 0; }
    QString slavePath() const { return path_; }
    int slaveFd() const { return slave_; }
    int masterFd() const { return master_; }
    // Writes everything (the master never blocks for long: the port drains the other side).
    void send(const QByteArray& bytes);
    // Everything that has come out of the master so far.
    QByteArray received();
    // Closes both ends held here: the port sees its far end go away.
    void hangUp();

private:
    int master_ = -1;
    int slave_ = -1;
    QString path_;
    QByteArray received_;
};
