#include "options.h"

namespace cli {

Options::Options(const QStringList& args, const QStringList& withValue)
    : withValue_(withValue.cbegin(), withValue.cend()) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (!a.startsWith(QLatin1String("--"))) {
            plain_ << a;
            continue;
        }
        const int eq = int(a.indexOf(QLatin1Char('=')));
        if (eq > 0) {
            const QString name = a.left(eq);
            given_ << name;
            inline_.insert(name);
            values_[name] = a.mid(eq + 1);
            continue;
        }
        given_ << a;
        if (!withValue_.contains(a)) continue;
        // Whatever follows is the value, even when it looks like an option.
        if (i + 1 < args.size())
            values_[a] = args[++i];
        else if (missingValue_.isEmpty())
            missingValue_ = a;
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

bool Options::refuse(const QString& reason) {
    if (refusal_.isEmpty()) refusal_ = reason;
    return false;
}

std::optional<QString> Options::required(const QString& name) {
    std::optional<QString> text = value(name);
    if (!text && missingValue_ != name) refuse(QStringLiteral("%1 is required").arg(name));
    return text;
}

bool Options::expectPlain(int count, const QString& what) {
    if (plain_.size() == count) return true;
    if (plain_.size() > count)
        return refuse(QStringLiteral("unexpected argument \"%1\"").arg(plain_.at(count)));
    return refuse(QStringLiteral("%1 is missing").arg(what));
}

QString Options::problem(const QString& command) const {
    if (!missingValue_.isEmpty()) return QStringLiteral("%1 needs a value").arg(missingValue_);
    // An option it does not know may have been meant to take the plain argument after it, so it
    // is named before what was refused.
    const QString prefix = command.isEmpty() ? QString() : command + QStringLiteral(": ");
    for (const QString& name : given_) {
        if (!asked_.contains(name))
            return prefix + QStringLiteral("unknown argument \"%1\"").arg(name);
        if (inline_.contains(name) && !withValue_.contains(name))
            return QStringLiteral("%1 takes no value").arg(name);
    }
    return refusal_;
}

}  // namespace cli
