#pragma once

#include <QString>

namespace comm {

// The device a port number 1..4 stands for: the environment variable RS232_COMn when set and not
// empty (any device path: a USB adapter, a pseudo-terminal), else /dev/ttyS0../dev/ttyS3 on Linux
// and COM1..COM4 on Windows. Empty for any other number. Read afresh on every call.
QString PortDevice(int port);

// What the user is told when the port cannot be opened (missing, taken, refused settings).
inline const QString kBusyPortMessage = QStringLiteral("当前活动串口是非空闲串口！");

constexpr int kFirstPort = 1;
constexpr int kLastPort = 4;

}  // namespace comm
