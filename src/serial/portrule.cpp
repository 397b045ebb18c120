#include "portrule.h"

namespace comm {

std::array<PortChoice, 4> ChoosePorts(const QList<SerialDevice>& devices,
                                      const PortTexts& variables, const PortTexts& bindings) {
    std::array<PortChoice, 4> choices;
    QList<bool> taken(devices.size(), false);
    const auto take = [&](PortChoice& choice, const QString& name) {
        const SerialDevice* found = FindDevice(devices, name);
        if (!found) return false;
        taken[int(found - devices.constData())] = true;
        choice.device = found->path;
        choice.info = *found;
        choice.listed = true;
        return true;
    };
    for (int i = 0; i < 4; ++i) {
        PortChoice& choice = choices[size_t(i)];
        choice.item = i + 1;
        if (!variables[size_t(i)].isEmpty()) {
            choice.source = PortSource::Variable;
            if (!take(choice, variables[size_t(i)])) choice.device = variables[size_t(i)];
        } else if (!bindings[size_t(i)].isEmpty()) {
            choice.source = PortSource::Binding;
            choice.bound = bindings[size_t(i)];
            // A typed path is opened as it is; a stable identity needs its device present.
            if (!take(choice, choice.bound) && choice.bound.startsWith(QLatin1Char('/')))
                choice.device = choice.bound;
        }
    }
    int next = 0;
    for (PortChoice& choice : choices) {
        if (choice.source != PortSource::None) continue;
        while (next < devices.size() && taken[next]) ++next;
        if (next == devices.size()) break;
        choice.source = PortSource::Automatic;
        choice.device = devices[next].path;
        choice.info = devices[next];
        choice.listed = true;
        taken[next] = true;
    }
    return choices;
}

QString PortSourceKey(PortSource source) {
    switch (source) {
        case PortSource::Variable:
            return QStringLiteral("variable");
        case PortSource::Binding:
            return QStringLiteral("binding");
        case PortSource::Automatic:
            return QStringLiteral("automatic");
        case PortSource::None:
            break;
    }
    return QStringLiteral("none");
}

}  // namespace comm
