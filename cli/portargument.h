#pragma once

#include <QString>
#include <memory>

#include "serialport.h"

namespace cli {

class Options;

// The port of --port: a number 1..4 is that port as the program maps it (PortDevice); anything
// else is a device's stable identity (as comm-cli ports lists it) or a path, opened as it is and
// shown as port 1.
struct PortArgument {
    int number = 1;
    QString device;  // empty: whatever the port map gives the number
};

// The --port option of o, which every command that opens a port requires; false (and o refused)
// when it is missing or empty.
bool TakePortArgument(Options& o, PortArgument* port);

// False for an empty argument.
bool ParsePortArgument(const QString& text, PortArgument* port);

// A closed port over the real device, set to the argument's number.
std::unique_ptr<comm::SerialPort> MakePort(const PortArgument& port);

}  // namespace cli
