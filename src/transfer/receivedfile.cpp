#include "receivedfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

#include "transferframe.h"

namespace comm {

namespace {

constexpr QFileDevice::Permissions kFilePermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
    QFileDevice::ReadOther;

bool writableFolder(const QString& folder) {
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isWritable();
}

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdU16String());
}

}  // namespace

bool IsInstalledProgramFolder(const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty()) return false;
    const QStringList installed = {QStringLiteral(COMM_INSTALL_BINDIR), QStringLiteral("/usr/bin"),
                                   QStringLiteral("/usr/local/bin"),    QStringLiteral("/bin"),
                                   QStringLiteral("/usr/sbin"),         QStringLiteral("/sbin")};
    for (const QString& place : installed) {
        const QString known = QFileInfo(place).canonicalFilePath();
        if (!known.isEmpty() && known == canonical) return true;
    }
    return false;
}

QString DefaultReceiveFolder(const QString& programFolder) {
    if (writableFolder(programFolder) && !IsInstalledProgramFolder(programFolder))
        return programFolder;
    QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (!downloads.isEmpty() && QDir().mkpath(downloads) && writableFolder(downloads))
        return downloads;
    return QDir::homePath();
}

ReceivedFile::ReceivedFile() = default;

ReceivedFile::~ReceivedFile() {
    keep();
}

QString ReceivedFile::TargetPath(const QString& folder, const QByteArray& nameBytes) {
    const QDir dir(folder);
    QString name = transfer::SafeReceivedName(nameBytes);
    // A folder of that name cannot be replaced, a program beside us must not be; a few rounds are
    // enough for any folder a person made.
    for (int round = 0; round < 8; ++round) {
        const QFileInfo info(dir.filePath(name));
        if (!info.exists() || !(info.isDir() || info.isExecutable())) break;
        name = transfer::kReservedPrefix + name;
    }
    return dir.filePath(name);
}

bool ReceivedFile::begin(const QString& targetPath, QString* error) {
    keep();
    target_ = targetPath;
    written_ = 0;
    hash_.reset();
    file_ = std::make_unique<QTemporaryFile>(targetPath + QStringLiteral(".XXXXXX.part"));
    file_->setAutoRemove(false);
    // On Linux the file may start without a name; it takes its ".part" name at once, so what has
    // come stays on disk under that name even when the program is killed.
    if (!file_->open() || !QFileInfo::exists(file_->fileName())) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(targetPath),
                                              file_->errorString());
        file_->remove();
        file_.reset();
        return false;
    }
    file_->setPermissions(kFilePermissions);
    return true;
}

bool ReceivedFile::write(const QByteArray& bytes, QString* error) {
    if (!file_) return false;
    // Each frame is handed to the system as it comes: a receiver that is killed keeps it.
    if (file_->write(bytes) != bytes.size() || !file_->flush()) {
        *error = file_->errorString();
        return false;
    }
    hash_.addData(bytes);
    written_ += bytes.size();
    return true;
}

bool ReceivedFile::commit(QString* error) {
    if (!file_) return false;
    // Everything must be on disk before the old file goes.
    if (!file_->flush()) {
        *error = file_->errorString();
        return false;
    }
    const QString temporary = file_->fileName();
    file_->close();
    std::error_code code;
    std::filesystem::rename(fsPath(temporary), fsPath(target_), code);
    if (code) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(target_),
                                              QString::fromLocal8Bit(code.message().c_str()));
        // The bytes stay where they are, like those of a cut reception.
        return false;
    }
    file_.reset();
    return true;
}

QString ReceivedFile::keep() {
    if (!file_) return {};
    QString temporary = file_->fileName();
    file_->close();
    file_.reset();
    if (written_ == 0) {
        QFile::remove(temporary);
        return {};
    }
    return temporary;
}

}  // namespace comm
