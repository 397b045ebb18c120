#pragma once

#include <QString>
#include <memory>

#include "rawpty.h"

namespace rs232sim {

class FarEndWatch;

// One end of a virtual line: a pseudo-terminal whose master this program drives and whose slave a
// serial program opens, optionally under a symbolic link. The slave is held open here as well, so
// the line keeps bytes while the program has the port closed and the master never reads a hang-up
// when it closes it. Holding it also keeps the settings the last program left, which that program
// would have put back had it closed its port itself; a pseudo-terminal keeps the odd-parity flag
// without parity enable, and such a terminal refuses to open with odd parity again. So when every
// program has closed the slave, however it ended, the terminal gets back the settings it had at
// the start. Owned by the simulator; closing removes the link.
class PtyEnd {
public:
    PtyEnd();
    ~PtyEnd();
    PtyEnd(const PtyEnd&) = delete;
    PtyEnd& operator=(const PtyEnd&) = delete;

    // Opens the pseudo-terminal in raw mode and, when `link` is not empty, makes the link to it.
    // A link that exists already is replaced only when it is itself a symbolic link.
    bool open(const QString& link, QString* error);
    void close();

    int master() const { return pty_.master(); }
    // The path to give a serial program: the link when there is one.
    QString path() const { return link_.isEmpty() ? slavePath_ : link_; }

private:
    comm::RawPty pty_;
    std::unique_ptr<FarEndWatch> farEnd_;
    QString slavePath_;
    QString link_;
};

}  // namespace rs232sim
