#include <linux/serial.h>
#include <sys/ioctl.h>

#include "lowlatency.h"

namespace comm {

// ASYNC_LOW_LATENCY is one of the flags a user may change without privileges; USB serial drivers
// such as ftdi_sio turn it into a latency timer of 1 ms.
bool EnableLowLatency(qintptr handle, int* savedFlags) {
    serial_struct serial{};
    if (::ioctl(int(handle), TIOCGSERIAL, &serial) != 0) return false;
    *savedFlags = serial.flags;
    if (serial.flags & ASYNC_LOW_LATENCY) return true;
    serial.flags |= ASYNC_LOW_LATENCY;
    return ::ioctl(int(handle), TIOCSSERIAL, &serial) == 0;
}

void RestoreLowLatency(qintptr handle, int savedFlags) {
    serial_struct serial{};
    if (::ioctl(int(handle), TIOCGSERIAL, &serial) != 0) return;
    if ((serial.flags & ASYNC_LOW_LATENCY) == (savedFlags & ASYNC_LOW_LATENCY)) return;
    serial.flags = (serial.flags & ~ASYNC_LOW_LATENCY) | (savedFlags & ASYNC_LOW_LATENCY);
    ::ioctl(int(handle), TIOCSSERIAL, &serial);
}

}  // namespace comm
