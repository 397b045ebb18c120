#include <QFile>

#include "commands.h"
#include "commjson.h"
#include "filecheck.h"
#include "options.h"
#include "output.h"

namespace cli {

namespace {
constexpr int kBadFile = 2;
// A communication written out as JSON is a few kilobytes; far more is not one.
constexpr qint64 kJsonMaxSize = qint64(1024) * 1024;
}  // namespace

int show(const QStringList& args) {
    Options o(args, {});
    o.expectPlain(1, QStringLiteral("FILE.Txl"));
    if (!o.ok()) return BadArguments(o.problem());
    comm::CommDefinition def;
    QString error;
    if (comm::ReadCommFile(args[0], &def, &error) != comm::ReadStatus::Ok) {
        Complain(error);
        return kBadFile;
    }
    Put(QString::fromUtf8(CommToJson(def) + '\n'));
    return 0;
}

int make(const QStringList& args) {
    Options o(args, {});
    const bool withValues = !o.flag(QStringLiteral("--no-values"));
    o.expectPlain(2, QStringLiteral("FILE.json and FILE.Txl"));
    if (!o.ok()) return BadArguments(o.problem());
    const QStringList paths = o.plain();
    const comm::FileCheck check = comm::CheckFileToRead(paths[0], kJsonMaxSize);
    if (!check.ok()) {
        Complain(check.message);
        return kBadFile;
    }
    QFile json(paths[0]);
    if (!json.open(QIODevice::ReadOnly)) {
        Complain(QStringLiteral("cannot read %1: %2").arg(paths[0], json.errorString()));
        return kBadFile;
    }
    comm::CommDefinition def;
    comm::CommOptions options;
    QString error;
    if (!CommFromJson(json.read(kJsonMaxSize), &def, &options, &error)) {
        Complain(QStringLiteral("%1: %2").arg(paths[0], error));
        return kBadFile;
    }
    if (!comm::WriteCommFile(paths[1], def, &options, withValues, &error)) {
        Complain(error);
        return kBadFile;
    }
    return 0;
}

}  // namespace cli
