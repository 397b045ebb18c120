#include <QCoreApplication>
#include <QTextStream>

#include "commands.h"

namespace {

// Every command of the tool; a new command adds its line here and its function in its own file.
const cli::Command kCommands[] = {
    {"show", "show FILE.Txl", cli::show},
    {"make", "make FILE.json FILE.Txl [--no-values]", cli::make},
    {"run", "run FILE.Txl --port N|PATH [--on-timeout ask|continue|stop] [--json]", cli::run},
    {"monitor",
     "monitor --port N|PATH [--settings 9600,O,8,1] [--bytes N] [--quiet-ms MS] [--out FILE.Dax]"
     " [--ascii]",
     cli::monitor},
    {"dax", "dax FILE.Dax [--ascii]", cli::dax},
    {"send", "send FILE --port N|PATH [--json]", cli::send},
    {"receive", "receive --port N|PATH [--dir DIR] [--json]", cli::receive},
};

int usage() {
    QTextStream err(stderr);
    err << "usage: comm-cli COMMAND ...\n";
    for (const cli::Command& c : kCommands) err << "  comm-cli " << c.usage << "\n";
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (args.isEmpty()) return usage();
    const QString name = args.takeFirst();
    for (const cli::Command& c : kCommands)
        if (name == QLatin1String(c.name)) return c.run(args);
    return usage();
}
