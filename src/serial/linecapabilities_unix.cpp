#include "serialsettings.h"

namespace comm {

// QSerialPort has no 4-bit characters, and here 1.5 stop bits never reach the driver: Qt would
// quietly send one stop bit instead.
LineCapabilities PlatformLineCapabilities() {
    return LineCapabilities();
}

}  // namespace comm
