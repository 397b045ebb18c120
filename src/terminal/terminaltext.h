#pragma once

#include <QString>

namespace comm {

// The terminal's messages: what its engine refuses and why, shown by the window as they are
// and by any other front end of the engine. Each is translated when asked for.

// The send line: a character that is no hexadecimal digit, a group of an odd number of digits,
// and a line that stands for no byte at all.
QString NotHexText(const QString& typed, QChar character);
QString HalfByteText(const QString& typed, const QString& group);
QString NothingToSendText();

// A file to send that cannot be read, is larger than the engine sends at once, or is empty.
QString FileNotReadText(const QString& path, const QString& reason);
QString FileTooLargeText(const QString& path, qint64 limit);
QString EmptyFileText(const QString& path);

}  // namespace comm
