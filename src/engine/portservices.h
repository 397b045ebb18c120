#pragma once

#include "clock.h"
#include "serialfactory.h"
#include "serialport.h"

namespace comm {

// Where the windows that talk to a port get their port and the clock their engines run on. The
// main window holds one and hands it to every such window it opens; tests give in-memory ports
// and a virtual clock. The clock must outlive the windows.
struct PortServices {
    SerialPortFactory makePort = RealSerialPortFactory();
    Clock* clock = &Clock::real();
};

}  // namespace comm
