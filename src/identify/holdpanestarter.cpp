#include "holdpanestarter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace comm {

ProgramHoldpaneStarter::ProgramHoldpaneStarter(const QString& folder) {
    const QDir dir(folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder);
    program_ = dir.filePath(HoldpaneFileName());
}

bool ProgramHoldpaneStarter::start(QString* error) {
    // Holdpane hides its window before it is drawn, so how it would be shown does not matter.
    if (!QFileInfo(program_).isExecutable() || !QProcess::startDetached(program_, {})) {
        *error = QDir::toNativeSeparators(program_);
        return false;
    }
    return true;
}

}  // namespace comm
