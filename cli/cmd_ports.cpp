#include <QCoreApplication>

#include "commands.h"
#include "jsonwriter.h"
#include "options.h"
#include "output.h"
#include "portdirectory.h"
#include "portmap.h"

namespace cli {

namespace {

QJsonValue TextOrNull(const QString& text) {
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

JsonWriter DeviceJson(const comm::SerialDevice& d) {
    return JsonWriter()
        .add(QStringLiteral("path"), d.path)
        .add(QStringLiteral("id"), TextOrNull(d.id))
        .add(QStringLiteral("description"), d.description)
        .add(QStringLiteral("manufacturer"), d.manufacturer)
        .add(QStringLiteral("vid"), TextOrNull(d.vid))
        .add(QStringLiteral("pid"), TextOrNull(d.pid))
        .add(QStringLiteral("serial"), TextOrNull(d.serial));
}

JsonWriter ItemJson(const comm::PortChoice& choice) {
    // A binding whose device is absent keeps its source: the user sees what waits for it.
    JsonWriter item;
    item.add(QStringLiteral("item"), choice.item)
        .add(QStringLiteral("device"), TextOrNull(choice.device))
        .add(QStringLiteral("source"), comm::PortSourceKey(choice.source));
    if (choice.source == comm::PortSource::Binding) item.add(QStringLiteral("bound"), choice.bound);
    return item;
}

}  // namespace

// The detected devices and what 串口一..四 stand for now, and why.
int ports(const QStringList& args) {
    Options o(args, {});
    const bool json = o.flag(QStringLiteral("--json"));
    if (!o.ok() || !o.plain().isEmpty()) return kUsage;

    comm::PortDirectory& directory = comm::PortDirectory::current();
    const QList<comm::SerialDevice> devices = directory.devices();
    const std::array<comm::PortChoice, 4> choices = directory.choices();
    if (json) {
        QList<JsonWriter> deviceList, itemList;
        for (const comm::SerialDevice& d : devices) deviceList << DeviceJson(d);
        for (const comm::PortChoice& c : choices) itemList << ItemJson(c);
        PutJson(JsonWriter()
                    .add(QStringLiteral("devices"), deviceList)
                    .add(QStringLiteral("items"), itemList));
        return 0;
    }
    QString text = devices.isEmpty()
                       ? QCoreApplication::translate("Ports", "没有检测到串口设备") + '\n'
                       : QCoreApplication::translate("Ports", "检测到的串口设备：") + '\n';
    for (const comm::SerialDevice& d : devices) {
        text += QStringLiteral("  ") + comm::DeviceLabel(d);
        if (!d.id.isEmpty()) text += QStringLiteral("  [%1]").arg(d.id);
        text += QLatin1Char('\n');
    }
    for (const comm::PortChoice& c : choices)
        text += QStringLiteral("%1: %2\n").arg(comm::PortItemName(c.item), comm::PortChoiceText(c));
    Put(text, stdout);
    return 0;
}

}  // namespace cli
