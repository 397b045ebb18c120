#pragma once

#include <QString>

#include "portrule.h"
#include "porttext.h"
#include "serialport.h"

namespace comm {

// The device port item 1..4 stands for now (PortDirectory's rule: RS232_COMn, else the user's
// binding, else the detected devices in order). Empty for an item with no device and for any
// other number. Read afresh on every call.
QString PortDevice(int port);

// The name of item 1..4 as the menu shows it: "串口一".."串口四".
QString PortItemName(int port);
// Why an item without a device cannot be opened: "串口三没有对应的设备".
QString NoDeviceText(int port);
// The details under BusyPortMessage(): the device and why it could not be opened, with what to do
// when the system refused permission. Empty when the failure says nothing of either.
QString PortProblemText(const SerialPort::Failure& failure);

// What an item stands for, for tool tips and lists: "/dev/ttyUSB0 — USB2.0-Serial
// 1A86:7523（自动）", "无设备".
QString PortChoiceText(const PortChoice& choice);
// The short form for the status bar: "ttyUSB0 USB2.0-Serial", "无设备".
QString PortChoiceShortText(const PortChoice& choice);

constexpr int kFirstPort = 1;
constexpr int kLastPort = 4;

}  // namespace comm
