#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>

namespace comm {

// Upper-case hexadecimal text of a byte value, at least two digits: 10 -> "0A", 4095 -> "FFF".
QString HexText(int value);
// The bytes as HexText pairs separated by one blank: "7E 01 0D"; empty for no bytes.
QString HexBytesText(const QByteArray& bytes);
// 16 × digit(first) + digit(second); a digit that is no hexadecimal digit counts as its decimal
// value or 0, and a missing character as 0, so "A" gives 160 and "1G" gives 16.
int HexValue(const QString& text);
// "2024-05-06"; a two-digit year gets "19" in front.
QString DateText(const QDate& date);
// "09:05"
QString TimeText(const QTime& time);

// Character sets of the numeric and hexadecimal boxes.
inline const QString kDigitKeys = QStringLiteral("0123456789");
inline const QString kHexKeys = QStringLiteral("0123456789ABCDEFabcdef");
constexpr int kBackspaceKey = 8;

// The key code when the key is in the allowed set (or is backspace and backspace is allowed),
// otherwise 0. The caller beeps when it gets 0 for a key that was not 0.
int FilterKey(int keyCode, const QString& allowed, bool allowBackspace);

// Character shown for a byte: the printable ASCII character, otherwise "Φ".
QString ByteCharText(int value);

}  // namespace comm
