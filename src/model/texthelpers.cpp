#include "texthelpers.h"

namespace comm {

namespace {
QChar hexDigit(int v) {
    return QChar(v < 10 ? '0' + v : 'A' + v - 10);
}

int digitValue(QChar c) {
    const ushort u = c.unicode();
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= '0' && u <= '9') return u - '0';
    return 0;
}
}  // namespace

QString HexText(int value) {
    QString text;
    while (value >= 16) {
        text.prepend(hexDigit(value & 15));
        value /= 16;
    }
    text.prepend(hexDigit(value & 15));
    if (text.size() == 1) text.prepend(QLatin1Char('0'));
    return text;
}

QString HexBytesText(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size() * 3);
    for (char byte : bytes) {
        if (!text.isEmpty()) text += QLatin1Char(' ');
        text += HexText(quint8(byte));
    }
    return text;
}

int HexValue(const QString& text) {
    const int hi = text.size() > 0 ? digitValue(text.at(0)) : 0;
    const int lo = text.size() > 1 ? digitValue(text.at(1)) : 0;
    return 16 * hi + lo;
}

QString DateText(const QDate& date) {
    const int year = date.year();
    const QString y =
        year > 99 ? QString::number(year) : QStringLiteral("19") + QString::number(year);
    return QStringLiteral("%1-%2-%3")
        .arg(y)
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString TimeText(const QTime& time) {
    return QStringLiteral("%1:%2")
        .arg(time.hour(), 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'));
}

int FilterKey(int keyCode, const QString& allowed, bool allowBackspace) {
    if (allowBackspace && keyCode == kBackspaceKey) return keyCode;
    if (keyCode <= 0 || keyCode > 0xFFFF) return 0;
    return allowed.contains(QChar(char16_t(keyCode)), Qt::CaseSensitive) ? keyCode : 0;
}

QString ByteCharText(int value) {
    if (value >= 32 && value <= 126) return QString(QChar(char16_t(value)));
    return QStringLiteral("Φ");
}

}  // namespace comm
