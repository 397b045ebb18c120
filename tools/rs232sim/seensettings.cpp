#include "seensettings.h"

// termios2 and TCGETS2 give any rate exactly (14400 and 28800 have no B constant); they clash
// with <termios.h>, so this file uses the kernel's header alone.
#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace rs232sim {

comm::LineSettings ReceiverAsSeen(const comm::LineSettings& device, int baud, bool twoStopBits,
                                  bool oddParity) {
    comm::LineSettings seen = device;
    if (baud > 0) seen.baudRate = baud;
    seen.stopBits = twoStopBits ? comm::StopBits::Two : comm::StopBits::One;
    if (oddParity)
        seen.parity = comm::Parity::Odd;
    else if (device.parity == comm::Parity::Odd)
        seen.parity = comm::Parity::Even;
    return seen;
}

comm::LineSettings ReceiverOfTerminal(int master, const comm::LineSettings& device) {
    struct termios2 tio {};
    if (::ioctl(master, TCGETS2, &tio) != 0) return device;
    return ReceiverAsSeen(device, int(tio.c_ospeed), (tio.c_cflag & CSTOPB) != 0,
                          (tio.c_cflag & PARODD) != 0);
}

comm::LineSettings ReceiverApplied(const comm::LineSettings& seen,
                                   const comm::LineSettings& applied) {
    const auto two = [](const comm::LineSettings& s) { return s.stopBits == comm::StopBits::Two; };
    const auto odd = [](const comm::LineSettings& s) { return s.parity == comm::Parity::Odd; };
    const bool agrees =
        applied.baudRate == seen.baudRate && two(applied) == two(seen) && odd(applied) == odd(seen);
    return agrees ? applied : seen;
}

}  // namespace rs232sim
