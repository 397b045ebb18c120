#include "builtprogram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString BuiltProgram(const QString& name) {
    const QString binDir = qEnvironmentVariable("COMM_BIN_DIR");
    if (!binDir.isEmpty()) return QDir(binDir).filePath(name);
    const QDir here(QCoreApplication::applicationDirPath());
    if (QFileInfo::exists(here.filePath(name))) return here.filePath(name);
    return here.filePath(QStringLiteral("../") + name);
}
