#include <QCoreApplication>
#include <QProcessEnvironment>

#include "commands.h"
#include "output.h"
#include "rememberedchoices.h"
#include "translations.h"

namespace {

struct Command {
    const char* name;
    const char* usage;
    int (*run)(const QStringList& args);
};

#define COMM_CLI_ENTRY(name, usage) {#name, usage, cli::name},
const Command kCommands[] = {COMM_CLI_COMMANDS(COMM_CLI_ENTRY)};
#undef COMM_CLI_ENTRY

constexpr int kBadArguments = 2;

int usage() {
    QString text = QStringLiteral("usage: comm-cli COMMAND ...\n");
    for (const Command& c : kCommands)
        text += QStringLiteral("  comm-cli %1\n").arg(QLatin1String(c.usage));
    cli::Put(text, stderr);
    return kBadArguments;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    comm::texts::InstallLanguage(comm::texts::ChosenLanguage(
        *comm::texts::OpenRememberedChoices(), QProcessEnvironment::systemEnvironment()));
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty()) return usage();
    const QString name = args.takeFirst();
    for (const Command& c : kCommands) {
        if (name != QLatin1String(c.name)) continue;
        const int status = c.run(args);
        if (status != cli::kUsage) return status;
        cli::Put(QStringLiteral("usage: comm-cli %1\n").arg(QLatin1String(c.usage)), stderr);
        // After the usage, so a script that reads its first line still finds it there.
        const QString reason = cli::BadArgumentsReason();
        if (!reason.isEmpty()) cli::Complain(QStringLiteral("comm-cli: %1").arg(reason));
        return kBadArguments;
    }
    return usage();
}
