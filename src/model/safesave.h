#pragma once

#include <QByteArray>
#include <QString>

namespace comm {

// Puts a file in place whole or not at all: the bytes go to a temporary file in the same folder,
// which replaces the file only once every byte is written, so a full disk or an interrupted save
// leaves the old file as it was and no debris. A file that was there keeps its permissions (a
// read-only file stays read-only, even for a user whom it does not stop). The target must have
// passed CheckFileToWrite. False with the reason in *error.
bool SaveFileWhole(const QString& path, const QByteArray& bytes, QString* error);

}  // namespace comm
