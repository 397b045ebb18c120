#include "portdirectory.h"

#include <QCoreApplication>
#include <QSettings>

#include "rememberedchoices.h"

namespace comm {

namespace {
QPointer<PortDirectory>& installed() {
    static QPointer<PortDirectory> directory;
    return directory;
}

QString BindingKey(int item) {
    return QStringLiteral("ports/item%1").arg(item);
}

}  // namespace

PortDirectory::PortDirectory(DeviceDiscovery* discovery, const QString& settingsFile,
                             QObject* parent)
    : QObject(parent), discovery_(discovery), settingsFile_(settingsFile) {
    if (!discovery_) discovery_ = new SystemDeviceDiscovery(this);
    connect(discovery_, &DeviceDiscovery::devicesChanged, this, &PortDirectory::changed);
    load();
}

PortDirectory::~PortDirectory() = default;

PortDirectory& PortDirectory::current() {
    if (!installed())
        installed() = new PortDirectory(nullptr, QString(), QCoreApplication::instance());
    return *installed();
}

void PortDirectory::install(PortDirectory* directory) {
    installed() = directory;
}

QList<SerialDevice> PortDirectory::devices() {
    return discovery_ ? discovery_->devices() : QList<SerialDevice>();
}

std::array<PortChoice, 4> PortDirectory::choices() {
    PortTexts variables;
    for (int i = 0; i < 4; ++i)
        variables[size_t(i)] =
            qEnvironmentVariable(qPrintable(QStringLiteral("RS232_COM%1").arg(i + 1)));
    return ChoosePorts(devices(), variables, bindings_);
}

PortChoice PortDirectory::choice(int item) {
    if (item < 1 || item > 4) return {};
    return choices()[size_t(item - 1)];
}

QString PortDirectory::binding(int item) const {
    return item >= 1 && item <= 4 ? bindings_[size_t(item - 1)] : QString();
}

void PortDirectory::setBinding(int item, const QString& name) {
    if (item < 1 || item > 4 || bindings_[size_t(item - 1)] == name.trimmed()) return;
    bindings_[size_t(item - 1)] = name.trimmed();
    const std::unique_ptr<QSettings> settings = openSettings();
    if (name.trimmed().isEmpty())
        settings->remove(BindingKey(item));
    else
        settings->setValue(BindingKey(item), name.trimmed());
    emit changed();
}

QString PortDirectory::resolve(const QString& name) {
    const QList<SerialDevice> list = devices();
    const SerialDevice* found = FindDevice(list, name);
    return found ? found->path : name;
}

void PortDirectory::load() {
    const std::unique_ptr<QSettings> settings = openSettings();
    for (int i = 0; i < 4; ++i)
        bindings_[size_t(i)] = settings->value(BindingKey(i + 1)).toString().trimmed();
}

// The program's one file of remembered choices, shared with the interface language.
std::unique_ptr<QSettings> PortDirectory::openSettings() const {
    if (settingsFile_.isEmpty()) return texts::OpenRememberedChoices();
    return std::make_unique<QSettings>(settingsFile_, QSettings::IniFormat);
}

}  // namespace comm
