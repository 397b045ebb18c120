#include "daxfile.h"

#include <QFile>

#include "filecheck.h"
#include "safesave.h"

namespace comm {

namespace {
int declaredCountOf(const QByteArray& header) {
    const int high = header.size() > 0 ? static_cast<unsigned char>(header.at(0)) : 0;
    const int low = header.size() > 1 ? static_cast<unsigned char>(header.at(1)) : 0;
    return high * 256 + low;
}

// An old file is read whole to keep its tail; one larger than this is not a storage file.
constexpr qint64 kOldFileLimit = qint64(64) * 1024 * 1024;

// The old file with the new content written over its start, as writing it in place would leave
// it, or only the new content when there is no old file. False with the reason in *error.
bool overOldFile(const QString& path, const QByteArray& content, QByteArray* result,
                 QString* error) {
    *result = content;
    const FileCheck check = CheckFileToRead(path, kOldFileLimit);
    if (check.problem == FileCheck::Problem::Missing) return true;
    if (!check.ok()) {
        *error = check.message;
        return false;
    }
    QFile old(path);
    if (!old.open(QIODevice::ReadOnly)) {
        *error = old.errorString();
        return false;
    }
    const QByteArray oldBytes = old.read(kOldFileLimit);
    if (oldBytes.size() > content.size()) result->append(oldBytes.mid(content.size()));
    return true;
}
}  // namespace

QByteArray EncodeDax(const QByteArray& capture) {
    if (capture.size() > kDaxMaxCount) return {};
    const int count = int(capture.size());
    QByteArray file;
    file.reserve(count + 2);
    file.append(char(count / 256));
    file.append(char(count % 256));
    file.append(capture);
    return file;
}

DaxContent DecodeDax(const QByteArray& fileBytes) {
    DaxContent content;
    content.declaredCount = declaredCountOf(fileBytes.left(2));
    if (content.declaredCount > kDaxMaxCount) {
        content.status = DaxStatus::TooLong;
        return content;
    }
    content.bytes = fileBytes.mid(2, content.declaredCount);
    return content;
}

DaxContent ReadDaxFile(const QString& path) {
    DaxContent content;
    const FileCheck check = CheckFileToRead(path);
    if (check.problem == FileCheck::Problem::Missing) {
        content.status = DaxStatus::Missing;
        return content;
    }
    if (!check.ok()) {
        content.status = DaxStatus::Refused;
        content.message = check.message;
        return content;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        content.status = DaxStatus::Unreadable;
        return content;
    }
    // Only the header and the counted bytes are read; whatever follows may be any size.
    QByteArray head = file.read(2);
    const int declared = declaredCountOf(head);
    if (declared <= kDaxMaxCount) head += file.read(declared);
    return DecodeDax(head);
}

bool WriteDaxFile(const QString& path, const QByteArray& capture, DaxWriteMode mode,
                  QString* error) {
    const QByteArray content = EncodeDax(capture);
    if (content.isEmpty()) {
        if (error) *error = QStringLiteral("capture of %1 bytes is too long").arg(capture.size());
        return false;
    }
    QByteArray whole = content;
    QString reason;
    if ((mode == DaxWriteMode::OverExisting && !overOldFile(path, content, &whole, &reason)) ||
        !SaveFileWhole(path, whole, &reason)) {
        if (error) *error = reason;
        return false;
    }
    return true;
}

}  // namespace comm
