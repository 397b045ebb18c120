#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <memory>

#include "devicediscovery.h"
#include "portrule.h"

class QSettings;

namespace comm {

// What the four port items stand for now (ChoosePorts over the discovered devices, the RS232_COMn
// variables read afresh on every call and the user's bindings), and the bindings themselves,
// kept in one small settings file. changed comes when devices come or go or a binding changes.
// The application makes one and installs it; owned by the application.
class PortDirectory : public QObject {
    Q_OBJECT
public:
    // discovery: not owned; the machine's own list when null. settingsFile: an INI file to keep
    // the bindings in; the program's remembered choices (beside the interface language) when
    // empty.
    explicit PortDirectory(DeviceDiscovery* discovery = nullptr,
                           const QString& settingsFile = QString(), QObject* parent = nullptr);
    ~PortDirectory() override;

    // The installed directory; one over the machine's devices is made at the first call when none
    // is installed.
    static PortDirectory& current();
    // Makes `directory` the current one (null: back to making one on demand); not owned.
    static void install(PortDirectory* directory);

    DeviceDiscovery& discovery() { return *discovery_; }
    QList<SerialDevice> devices();
    std::array<PortChoice, 4> choices();
    // Item 1..4; an empty choice with item 0 for any other number.
    PortChoice choice(int item);

    // The binding of item 1..4: a stable identity, a path, or empty for automatic.
    QString binding(int item) const;
    void setBinding(int item, const QString& name);

    // A --port argument: the path of the discovered device with that stable identity, else the
    // argument itself.
    QString resolve(const QString& name);

signals:
    void changed();

private:
    void load();
    std::unique_ptr<QSettings> openSettings() const;

    QPointer<DeviceDiscovery> discovery_;
    QString settingsFile_;
    PortTexts bindings_;
};

}  // namespace comm
