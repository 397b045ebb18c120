#include <QFile>
#include <QTextStream>

#include "commands.h"
#include "commjson.h"

namespace cli {

int show(const QStringList& args) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (args.size() != 1) {
        err << "usage: comm-cli show FILE.Txl\n";
        return 2;
    }
    comm::CommDefinition def;
    QString error;
    if (comm::ReadCommFile(args[0], &def, &error) != comm::ReadStatus::Ok) {
        err << error << "\n";
        return 2;
    }
    out << CommToJson(def) << "\n";
    return 0;
}

int make(const QStringList& args) {
    QTextStream err(stderr);
    QStringList paths = args;
    const bool withValues = !paths.removeAll(QStringLiteral("--no-values"));
    if (paths.size() != 2 || paths[0].startsWith(QLatin1String("--"))) {
        err << "usage: comm-cli make FILE.json FILE.Txl [--no-values]\n";
        return 2;
    }
    QFile json(paths[0]);
    if (!json.open(QIODevice::ReadOnly)) {
        err << "cannot read " << paths[0] << ": " << json.errorString() << "\n";
        return 2;
    }
    comm::CommDefinition def;
    comm::CommOptions options;
    QString error;
    if (!CommFromJson(json.readAll(), &def, &options, &error)) {
        err << paths[0] << ": " << error << "\n";
        return 2;
    }
    if (!comm::WriteCommFile(paths[1], def, &options, withValues, &error)) {
        err << error << "\n";
        return 2;
    }
    return 0;
}

}  // namespace cli
