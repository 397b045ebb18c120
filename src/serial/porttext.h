#pragma once

#include <QString>

// What the serial layer tells the user about a port. Every window and comm-cli shows these as
// they come, so each message is made here and nowhere else, in the interface language of the
// moment it is made.
namespace comm {

// What the user is told when the port cannot be opened (missing, taken, refused settings).
QString BusyPortMessage();
// A message followed by the device's or the system's own words, when there are any:
// "当前活动串口是非空闲串口！（/dev/ttyS0: No such file or directory）".
QString WithReason(const QString& message, const QString& reason);

// Why an operation that needs the open port was refused.
QString PortNotOpenText();
// A port item outside 1..4.
QString BadPortNumberText(int port);
// The device is held by another program.
QString PortInUseText(const QString& device);

// Why an open device was lost: taken out of the system, or no more reading or writing.
enum class PortLoss { Removed, Read, Write };
QString PortLostText(PortLoss loss);

// The settings the platform's driver cannot run, with what to take instead.
QString NoFourDataBitsText();
QString NoOneAndHalfStopBitsText();
QString NoMarkSpaceParityText();
// A parity letter that is none of the five a port takes.
QString BadPortParityText(const QString& letter);

// Why the line control of a device cannot be used: it has no modem lines (a pseudo-terminal).
QString NoLineControlMessage();

}  // namespace comm
