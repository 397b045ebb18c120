#pragma once

#include "serialsettings.h"

namespace rs232sim {

// The settings a UART at the program's end would run at, as far as the master of a
// pseudo-terminal shows what the program applied: Linux shows the baud rate and the two-stop-bit
// and odd-parity flags, but forces 8 data bits and clears parity enable. What cannot be seen is
// taken to match the device, so the simulated line only differs where the program's choice shows:
// the data bits are the device's, parity is odd when the odd flag is set, and otherwise the
// device's own (even when the device's is odd, since the flag says it is not).
comm::LineSettings ReceiverAsSeen(const comm::LineSettings& device, int baud, bool twoStopBits,
                                  bool oddParity);

// The same read from the master of the terminal; the device's own settings when it cannot tell.
comm::LineSettings ReceiverOfTerminal(int master, const comm::LineSettings& device);

// The receiver as the program says it applied it (linecounterfile.h), where that agrees with
// what the terminal shows (`seen`: the rate, two stop bits, odd parity); otherwise `seen`, so a
// program that did not say, or said it of settings it has left, is taken as before.
comm::LineSettings ReceiverApplied(const comm::LineSettings& seen,
                                   const comm::LineSettings& applied);

}  // namespace rs232sim
