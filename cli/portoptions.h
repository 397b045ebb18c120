#pragma once

#include <QString>
#include <optional>

#include "options.h"
#include "serialport.h"

namespace cli {

// --settings of a command that listens: the exact texts of a communication's lists ("9600,O,8,1"
// or "9600,奇,8,1"), or any settings text the port takes: any baud rate, parity N, O, E, M
// (mark) or S (space), data bits, stop bits. The port's text in *settings; false for anything
// else or for settings this platform cannot run.
bool ParseListenSettings(const QString& text, QString* settings);

// --flow none|rtscts|xonxoff, --dtr on|off, --rts on|off: none given leaves the driver's line.
struct LineControlArgs {
    std::optional<comm::FlowControl> flow;
    std::optional<bool> dtr;
    std::optional<bool> rts;
};

// Reads the three options; false for a value they do not take.
bool ParseLineControl(Options& options, LineControlArgs* line);

// Sets what was asked on the open port; false with the device's reason when it cannot.
bool ApplyLineControl(comm::SerialPort& port, const LineControlArgs& line, QString* error);

}  // namespace cli
