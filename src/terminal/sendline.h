#pragma once

#include <QByteArray>
#include <QString>

namespace comm {

struct ChecksumInfo;

// How the terminal's send line is read: typed text, or hexadecimal bytes.
enum class SendMode { Text, Hex };
// What follows typed text on the wire.
enum class LineEnd { None, Cr, Lf, CrLf };

// The bytes one send line stands for, or why it stands for none.
struct SendLineBytes {
    QByteArray bytes;
    QString error;  // empty when bytes are to be sent
};

// Text is sent as UTF-8 followed by its line end. Hexadecimal is two digits a byte, blanks
// between bytes optional ("01 03 00 00 00 02" or "010300000002"); anything else is refused with
// the reason. A checksum, when given, is computed over the typed bytes and goes right after
// them, before the line end.
SendLineBytes SendLineToBytes(const QString& typed, SendMode mode, LineEnd end,
                              const ChecksumInfo* checksum);

}  // namespace comm
