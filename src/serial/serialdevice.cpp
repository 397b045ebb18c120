#include "serialdevice.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace comm {

QString DeviceShortName(const SerialDevice& device) {
    return QFileInfo(device.path).fileName();
}

bool IsBoardUart(const SerialDevice& device) {
    static const QRegularExpression uart(QStringLiteral("^(ttyS|ttyAMA|ttyMFD|COM)\\d+$"));
    return device.vid.isEmpty() && uart.match(DeviceShortName(device)).hasMatch();
}

namespace {
// ttyS2 before ttyS10: names compare as text, except that runs of digits compare as numbers.
// (QCollator's numeric mode depends on the locale back end, and the C locale has none.)
int NaturalCompare(const QString& a, const QString& b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i, ej = j;
            while (ei < a.size() && a[ei].isDigit()) ++ei;
            while (ej < b.size() && b[ej].isDigit()) ++ej;
            const qulonglong na = a.mid(i, ei - i).toULongLong();
            const qulonglong nb = b.mid(j, ej - j).toULongLong();
            if (na != nb) return na < nb ? -1 : 1;
            i = ei;
            j = ej;
            continue;
        }
        if (a[i] != b[j]) return a[i] < b[j] ? -1 : 1;
        ++i;
        ++j;
    }
    return int(a.size() - i) - int(b.size() - j);
}
}  // namespace

void SortDevices(QList<SerialDevice>* devices) {
    const auto key = [](const SerialDevice& d) { return d.id.isEmpty() ? d.path : d.id; };
    std::stable_sort(devices->begin(), devices->end(),
                     [&](const SerialDevice& a, const SerialDevice& b) {
                         const bool ua = IsBoardUart(a), ub = IsBoardUart(b);
                         if (ua != ub) return ua;
                         if (ua) return NaturalCompare(a.path, b.path) < 0;
                         return NaturalCompare(key(a), key(b)) < 0;
                     });
}

QString DeviceLabel(const SerialDevice& device) {
    QString label = DeviceShortName(device);
    QStringList more;
    if (!device.description.isEmpty()) more << device.description;
    if (!device.vid.isEmpty())
        more << QStringLiteral("%1:%2").arg(device.vid.toUpper(), device.pid.toUpper());
    if (!device.serial.isEmpty()) more << QLatin1Char('#') + device.serial;
    if (!more.isEmpty()) label += QStringLiteral(" — ") + more.join(QLatin1Char(' '));
    return label;
}

QString DeviceShortLabel(const SerialDevice& device) {
    const QString name = DeviceShortName(device);
    return device.description.isEmpty() ? name : name + QLatin1Char(' ') + device.description;
}

const SerialDevice* FindDevice(const QList<SerialDevice>& devices, const QString& name) {
    if (name.isEmpty()) return nullptr;
    const QString leaf = QFileInfo(name).fileName();
    for (const SerialDevice& d : devices) {
        if (d.path == name) return &d;
        if (!d.id.isEmpty() && (d.id == name || d.id == leaf)) return &d;
    }
    return nullptr;
}

}  // namespace comm
