#include "safesave.h"

#include <QFileInfo>
#include <QSaveFile>

#include "filecheck.h"

namespace comm {

bool SaveFileWhole(const QString& path, const QByteArray& bytes, QString* error) {
    const FileCheck check = CheckFileToWrite(path);
    if (!check.ok()) {
        if (error) *error = check.message;
        return false;
    }
    const QFileInfo old(path);
    const bool existed = old.exists();
    // The "user" flags say what this process may do (everything, for root) and would be set as
    // the owner's: only the mode bits themselves are carried over.
    const QFileDevice::Permissions mode =
        old.permissions() &
        ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
    QSaveFile file(path);
    // Unbuffered, so a write that stops part-way (a full disk) fails here: a buffered one only
    // fails while commit() flushes, and commit() then still puts the cut file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size() || !file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    // The new file is the old one's successor: same mode, whoever saved it. QSaveFile copies
    // the mode with the user flags, which makes a read-only file writable when root saves it.
    if (existed) QFile::setPermissions(path, mode);
    return true;
}

}  // namespace comm
