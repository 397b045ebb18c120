#include "serialsettings.h"

#include <QStringList>

namespace comm {

LineCapabilities PlatformLineCapabilities() {
    LineCapabilities caps;
    // QSerialPort has no 4-bit characters anywhere; 1.5 stop bits reach the driver only on Windows,
    // elsewhere Qt would quietly send one stop bit instead.
#ifdef Q_OS_WIN
    caps.oneAndHalfStopBits = true;
#endif
    return caps;
}

bool ParseLineSettings(const QString& text, LineSettings* settings, QString* error) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) {
        *error = QStringLiteral(
                     "串口设置“%1”格式不对，应为“波特率,校验,数据位,停止位”，例如“9600,O,8,1”")
                     .arg(text);
        return false;
    }
    const QString baudText = parts[0].trimmed();
    const QString parityText = parts[1].trimmed().toUpper();
    const QString dataText = parts[2].trimmed();
    const QString stopText = parts[3].trimmed();

    LineSettings parsed;
    bool digitsOnly = !baudText.isEmpty();
    for (const QChar c : baudText)
        digitsOnly = digitsOnly && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    bool ok = false;
    parsed.baudRate = baudText.toInt(&ok);
    if (!digitsOnly || !ok || parsed.baudRate <= 0) {
        *error = QStringLiteral("波特率“%1”无效，应为正整数").arg(baudText);
        return false;
    }
    if (parityText == QLatin1String("N")) {
        parsed.parity = Parity::None;
    } else if (parityText == QLatin1String("E")) {
        parsed.parity = Parity::Even;
    } else if (parityText == QLatin1String("O")) {
        parsed.parity = Parity::Odd;
    } else {
        *error =
            QStringLiteral("校验“%1”无效，应为 E（偶）、O（奇）或 N（无）").arg(parts[1].trimmed());
        return false;
    }
    if (dataText.size() != 1 || dataText[0] < QLatin1Char('4') || dataText[0] > QLatin1Char('8')) {
        *error = QStringLiteral("数据位“%1”无效，应为 4 到 8").arg(dataText);
        return false;
    }
    parsed.dataBits = dataText.toInt();
    if (stopText == QLatin1String("1")) {
        parsed.stopBits = StopBits::One;
    } else if (stopText == QLatin1String("1.5")) {
        parsed.stopBits = StopBits::OneAndHalf;
    } else if (stopText == QLatin1String("2")) {
        parsed.stopBits = StopBits::Two;
    } else {
        *error = QStringLiteral("停止位“%1”无效，应为 1、1.5 或 2").arg(stopText);
        return false;
    }
    *settings = parsed;
    return true;
}

QString LineSettingsRefusal(const LineSettings& settings, const LineCapabilities& capabilities) {
    if (settings.dataBits == 4 && !capabilities.fourDataBits)
        return QStringLiteral("本机串口不支持 4 位数据位，请改用 5 到 8 位");
    if (settings.stopBits == StopBits::OneAndHalf && !capabilities.oneAndHalfStopBits)
        return QStringLiteral("本机串口不支持 1.5 位停止位，请改用 1 或 2 位");
    return {};
}

QString CheckLineSettings(const QString& text, LineSettings* settings,
                          const LineCapabilities& capabilities) {
    LineSettings parsed;
    QString error;
    if (!ParseLineSettings(text, &parsed, &error)) return error;
    error = LineSettingsRefusal(parsed, capabilities);
    if (error.isEmpty() && settings) *settings = parsed;
    return error;
}

double BitsPerCharacter(const LineSettings& settings) {
    double stop = 1.0;
    if (settings.stopBits == StopBits::OneAndHalf) stop = 1.5;
    if (settings.stopBits == StopBits::Two) stop = 2.0;
    return 1.0 + settings.dataBits + (settings.parity == Parity::None ? 0 : 1) + stop;
}

}  // namespace comm
