#include "serialsettings.h"

namespace comm {

// The Windows driver takes 1.5 stop bits; no driver QSerialPort reaches has 4-bit characters.
LineCapabilities PlatformLineCapabilities() {
    LineCapabilities caps;
    caps.oneAndHalfStopBits = true;
    return caps;
}

}  // namespace comm
