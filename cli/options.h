#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace cli {

// One command's arguments, for comm-cli and rs232sim alike: "--name" flags, "--name VALUE" or
// "--name=VALUE" options (the names in withValue) and plain arguments. The command asks for what
// it knows; anything given that it never asked for, an option without its value or a flag given
// one makes the arguments bad.
class Options {
public:
    Options(const QStringList& args, const QStringList& withValue);

    // Whether --name was given.
    bool flag(const QString& name);
    // The value after --name, the last one when it was given twice; none when not given.
    std::optional<QString> value(const QString& name);
    // The arguments that do not start with "--", in order.
    const QStringList& plain() const { return plain_; }
    // Everything given was asked for, every option had its value (or flag none) and nothing was
    // refused.
    bool ok() const { return problem().isEmpty(); }
    // Marks the arguments bad for this reason (the first one given is kept); returns false.
    bool refuse(const QString& reason);
    // The value of an option that must be given; none (and refused) when it was not.
    std::optional<QString> required(const QString& name);
    // Exactly `count` plain arguments (`what` names them for the reason); false, refused, if not.
    bool expectPlain(int count, const QString& what);
    // The first thing wrong, as a message naming the argument; an argument never asked for is
    // named after "command: " when a command is given. Empty when ok().
    QString problem(const QString& command = QString()) const;

private:
    QSet<QString> withValue_;
    QStringList given_;  // option names in the order given
    QSet<QString> asked_;
    QSet<QString> inline_;  // given as --name=VALUE
    QHash<QString, QString> values_;
    QStringList plain_;
    QString missingValue_;  // the first option given last without its value
    QString refusal_;
};

}  // namespace cli
