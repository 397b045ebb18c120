#include "devicediscovery.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

#include "devicewatch.h"

namespace comm {

void ScriptedDeviceDiscovery::setDevices(const QList<SerialDevice>& devices) {
    if (devices == devices_) return;
    devices_ = devices;
    QMetaObject::invokeMethod(this, &DeviceDiscovery::devicesChanged, Qt::QueuedConnection);
}

void ScriptedDeviceDiscovery::add(const SerialDevice& device) {
    QList<SerialDevice> devices = devices_;
    devices.append(device);
    setDevices(devices);
}

void ScriptedDeviceDiscovery::remove(const QString& path) {
    QList<SerialDevice> devices = devices_;
    devices.removeIf([&](const SerialDevice& d) { return d.path == path; });
    setDevices(devices);
}

namespace {
// udev announces the node first and its by-id link a little later; one read after both.
constexpr int kSettleMs = 150;

QString Hex4(quint16 value) {
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}
}  // namespace

QList<SerialDevice> ScanSerialDevices() {
    // The stable names point at the nodes; read them once for the whole list.
    QHash<QString, QString> stableNames;
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo& link :
         byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
        stableNames.insert(link.canonicalFilePath(), link.fileName());
    QList<SerialDevice> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialDevice d;
        d.path = info.systemLocation();
        d.id = stableNames.value(QFileInfo(d.path).canonicalFilePath());
        d.description = info.description();
        d.manufacturer = info.manufacturer();
        if (info.hasVendorIdentifier()) d.vid = Hex4(info.vendorIdentifier());
        if (info.hasProductIdentifier()) d.pid = Hex4(info.productIdentifier());
        d.serial = info.serialNumber();
        devices.append(d);
    }
    SortDevices(&devices);
    return devices;
}

SystemDeviceDiscovery::SystemDeviceDiscovery(QObject* parent, Scan scan)
    : DeviceDiscovery(parent),
      scan_(scan ? std::move(scan) : Scan(&ScanSerialDevices)),
      watch_(new DeviceWatch(this)) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(watch_, &DeviceWatch::changed, &settle_, qOverload<>(&QTimer::start));
    connect(&settle_, &QTimer::timeout, this, &SystemDeviceDiscovery::rescan);
    watch_->start();
}

SystemDeviceDiscovery::~SystemDeviceDiscovery() = default;

bool SystemDeviceDiscovery::watching() const {
    return watch_->active();
}

QList<SerialDevice> SystemDeviceDiscovery::devices() {
    if (!scanned_ || !watch_->active()) {
        devices_ = scan_();
        scanned_ = true;
    }
    return devices_;
}

void SystemDeviceDiscovery::rescan() {
    const QList<SerialDevice> now = scan_();
    scanned_ = true;
    if (now == devices_) return;
    devices_ = now;
    emit devicesChanged();
}

}  // namespace comm
