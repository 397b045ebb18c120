#include "linewatcher.h"

namespace comm {

// No line reporting on this platform yet: the port works, line events never come.
bool ReadLineSnapshot(qintptr, LineSnapshot*) {
    return false;
}

// No simulator plays a UART on a terminal here.
void TellLineSimulator(const QString&, const LineSettings&) {}

}  // namespace comm
