#include "daxfile.h"

#include <QFile>
#include <QFileInfo>

namespace comm {

namespace {
int declaredCountOf(const QByteArray& header) {
    const int high = header.size() > 0 ? static_cast<unsigned char>(header.at(0)) : 0;
    const int low = header.size() > 1 ? static_cast<unsigned char>(header.at(1)) : 0;
    return high * 256 + low;
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
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        content.status = DaxStatus::Missing;
        return content;
    }
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
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
    QFile file(path);
    const QIODevice::OpenMode openMode = mode == DaxWriteMode::Replace
                                             ? QIODevice::WriteOnly | QIODevice::Truncate
                                             : QIODevice::ReadWrite;
    if (!file.open(openMode)) {
        if (error) *error = file.errorString();
        return false;
    }
    if (file.write(content) != content.size() || !file.flush()) {
        if (error) *error = file.errorString();
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace comm
