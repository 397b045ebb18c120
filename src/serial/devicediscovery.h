#pragma once

#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>

#include "serialdevice.h"

namespace comm {

class DeviceWatch;

// Where the serial devices of the machine come from: the platform's list in programs, a scripted
// list in tests. devicesChanged comes from the event loop when the list may have changed.
class DeviceDiscovery : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~DeviceDiscovery() override = default;

    virtual QList<SerialDevice> devices() = 0;

signals:
    void devicesChanged();
};

// A list the test sets; owned by the test.
class ScriptedDeviceDiscovery : public DeviceDiscovery {
    Q_OBJECT
public:
    using DeviceDiscovery::DeviceDiscovery;
    QList<SerialDevice> devices() override { return devices_; }
    // Replaces the list; devicesChanged follows from the event loop when it differs.
    void setDevices(const QList<SerialDevice>& devices);
    void add(const SerialDevice& device);
    void remove(const QString& path);

private:
    QList<SerialDevice> devices_;
};

// The machine's devices (QSerialPortInfo, with stable names from the by-id folder), read again
// only when the platform's watch says something came or went; where there is no watch, read on
// every call. Owned by whoever made it (the port directory).
class SystemDeviceDiscovery : public DeviceDiscovery {
    Q_OBJECT
public:
    // scan: how the list is read; ScanSerialDevices when empty (a benchmark adds nodes of its own).
    using Scan = std::function<QList<SerialDevice>()>;
    explicit SystemDeviceDiscovery(QObject* parent = nullptr, Scan scan = {});
    ~SystemDeviceDiscovery() override;

    QList<SerialDevice> devices() override;
    // Whether arrivals and departures are being watched.
    bool watching() const;

private:
    void rescan();

    Scan scan_;
    DeviceWatch* watch_;
    QTimer settle_;
    QList<SerialDevice> devices_;
    bool scanned_ = false;
};

// The platform's list as it is now.
QList<SerialDevice> ScanSerialDevices();

}  // namespace comm
