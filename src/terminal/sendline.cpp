#include "sendline.h"

#include <QRegularExpression>
#include <QStringList>

#include "checksums.h"
#include "terminaltext.h"

namespace comm {

namespace {

bool ParseHex(const QString& typed, QByteArray* bytes, QString* error) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QByteArray parsed;
    for (const QString& group : typed.split(blanks, Qt::SkipEmptyParts)) {
        for (const QChar c : group) {
            if (!QStringLiteral("0123456789abcdefABCDEF").contains(c)) {
                *error = NotHexText(typed, c);
                return false;
            }
        }
        if (group.size() % 2 != 0) {
            *error = HalfByteText(typed, group);
            return false;
        }
        parsed.append(QByteArray::fromHex(group.toLatin1()));
    }
    *bytes = parsed;
    return true;
}

QByteArray LineEndBytes(LineEnd end) {
    switch (end) {
        case LineEnd::Cr:
            return "\r";
        case LineEnd::Lf:
            return "\n";
        case LineEnd::CrLf:
            return "\r\n";
        case LineEnd::None:
            break;
    }
    return {};
}

}  // namespace

SendLineBytes SendLineToBytes(const QString& typed, SendMode mode, LineEnd end,
                              const ChecksumInfo* checksum) {
    SendLineBytes result;
    if (mode == SendMode::Hex) {
        if (!ParseHex(typed, &result.bytes, &result.error)) return result;
    } else {
        result.bytes = typed.toUtf8();
    }
    // A line end alone is worth sending (the device waits for it); a checksum of nothing is not.
    if (result.bytes.isEmpty() && (mode == SendMode::Hex || checksum || end == LineEnd::None)) {
        result.error = NothingToSendText();
        return result;
    }
    if (checksum) result.bytes += ComputeChecksum(checksum->kind, result.bytes);
    if (mode == SendMode::Text) result.bytes += LineEndBytes(end);
    return result;
}

}  // namespace comm
