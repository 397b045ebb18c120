#pragma once

#include "serialport.h"

namespace comm {

// The factory windows use by default: each call makes a port over a real device
// (QtSerialPortBackend).
SerialPortFactory RealSerialPortFactory();

}  // namespace comm
