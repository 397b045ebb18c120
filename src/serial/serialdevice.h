#pragma once

#include <QList>
#include <QString>

namespace comm {

// One serial device the machine has, as discovery found it. Plain data, copied freely.
struct SerialDevice {
    QString path;  // what is opened: /dev/ttyUSB0, COM3
    // The name that stays with the device whatever socket it sits in (the by-id link's name,
    // usb-1a86_USB2.0-Serial-if00-port0); empty where the platform gives none.
    QString id;
    QString description;
    QString manufacturer;
    QString vid, pid;  // four lower-case hexadecimal digits each; empty when not USB
    QString serial;

    bool operator==(const SerialDevice& o) const {
        return path == o.path && id == o.id && description == o.description &&
               manufacturer == o.manufacturer && vid == o.vid && pid == o.pid && serial == o.serial;
    }
    bool operator!=(const SerialDevice& o) const { return !(*this == o); }
};

// The last part of the path: ttyUSB0, COM3.
QString DeviceShortName(const SerialDevice& device);
// A UART on the board (ttyS, ttyAMA, COM ports without USB ids) rather than an adapter.
bool IsBoardUart(const SerialDevice& device);
// The order items take devices in: board UARTs first by number, then the others by stable name.
void SortDevices(QList<SerialDevice>* devices);
// For lists: "ttyUSB0 — USB2.0-Serial 1A86:7523 #A9M9DV3R".
QString DeviceLabel(const SerialDevice& device);
// For the status bar: "ttyUSB0 USB2.0-Serial".
QString DeviceShortLabel(const SerialDevice& device);
// The device whose stable identity or path is `name` (a by-id link's full path counts too).
const SerialDevice* FindDevice(const QList<SerialDevice>& devices, const QString& name);

}  // namespace comm
