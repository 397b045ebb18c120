#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace cli {

// One command's arguments: "--name" flags, "--name VALUE" options (the names in withValue) and
// plain arguments. The command asks for what it knows; anything given that it never asked for,
// or an option without its value, makes the arguments bad.
class Options {
public:
    Options(const QStringList& args, const QStringList& withValue);

    // Whether --name was given.
    bool flag(const QString& name);
    // The value after --name, the last one when it was given twice; none when not given.
    std::optional<QString> value(const QString& name);
    // The arguments that do not start with "--", in order.
    const QStringList& plain() const { return plain_; }
    // Everything given was asked for and every option had its value.
    bool ok() const;

private:
    QSet<QString> given_;
    QSet<QString> asked_;
    QHash<QString, QString> values_;
    QStringList plain_;
    bool malformed_ = false;
};

}  // namespace cli
