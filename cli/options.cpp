#include "options.h"

namespace cli {

Options::Options(const QStringList& args, const QStringList& withValue) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (!a.startsWith(QLatin1String("--"))) {
            plain_ << a;
            continue;
        }
        given_.insert(a);
        if (!withValue.contains(a)) continue;
        // Whatever follows is the value, even when it looks like an option.
        if (i + 1 < args.size())
            values_[a] = args[++i];
        else
            malformed_ = true;
    }
}

bool Options::flag(const QString& name) {
    asked_.insert(name);
    return given_.contains(name);
}

std::optional<QString> Options::value(const QString& name) {
    asked_.insert(name);
    const auto it = values_.constFind(name);
    if (it == values_.constEnd()) return std::nullopt;
    return *it;
}

bool Options::ok() const {
    if (malformed_) return false;
    for (const QString& name : given_)
        if (!asked_.contains(name)) return false;
    return true;
}

}  // namespace cli
