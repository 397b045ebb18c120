#pragma once

#include "serialport.h"

namespace comm {

// The factory windows use by default: each call makes a port over a real device
// (QtSerialPortBackend).
SerialPortFactory RealSerialPortFactory();

// Ports over the one device path given, whatever port number they are set to (comm-cli's
// --port PATH), so no environment variable of the process has to change.
SerialPortFactory FixedDeviceSerialPortFactory(const QString& device);

}  // namespace comm
