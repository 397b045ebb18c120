#pragma once

#include <QByteArray>
#include <QString>

namespace comm {

// Storage file (.Dax): the byte count, most significant byte first, then the captured bytes.
// The reader accepts counts up to the size of the monitor's capture buffer.
constexpr int kDaxMaxCount = 32768;

enum class DaxStatus {
    Ok,          // bytes hold the counted bytes the file has
    Missing,     // no file of that name
    Unreadable,  // the file exists but cannot be opened for reading
    TooLong,     // the file declares more bytes than the capture can hold
    Refused      // not a file to read (a folder, a FIFO, a device, a foreign name): see message
};

struct DaxContent {
    DaxStatus status = DaxStatus::Ok;
    // The count the file declares; bytes may be shorter when the file ends early.
    int declaredCount = 0;
    QByteArray bytes;
    QString message;  // why a file was Refused
};

// The whole file for a capture. Refuses (empty result) a capture above kDaxMaxCount.
QByteArray EncodeDax(const QByteArray& capture);

// Reads a storage file from its first bytes. A file that ends before its declared count gives
// only the bytes it has (missing count bytes count as 0); bytes after the count are ignored.
DaxContent DecodeDax(const QByteArray& fileBytes);

DaxContent ReadDaxFile(const QString& path);

enum class DaxWriteMode {
    // Writes from the start of an existing file without emptying it first, so the tail of a
    // longer old file stays behind the new data (the reader never looks past the count).
    OverExisting,
    // Replaces the file: its size is exactly the new content.
    Replace
};

// Written whole or not at all (SaveFileWhole): on any failure the old file is as it was. False,
// with a reason in *error when given, when the file cannot be written or the capture is too long
// for the format.
bool WriteDaxFile(const QString& path, const QByteArray& capture, DaxWriteMode mode,
                  QString* error = nullptr);

}  // namespace comm
