#include "serialsettings.h"

namespace comm {

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
    if (!LineSettings::parse(text, &parsed, &error)) return error;
    error = LineSettingsRefusal(parsed, capabilities);
    if (error.isEmpty() && settings) *settings = parsed;
    return error;
}

QString PortSettings::text() const {
    if (stick == StickParity::None) return line.text();
    QStringList fields = line.text().split(QLatin1Char(','));
    fields[1] = stick == StickParity::Mark ? QStringLiteral("M") : QStringLiteral("S");
    return fields.join(QLatin1Char(','));
}

double PortSettings::bitsPerCharacter() const {
    return line.bitsPerCharacter() + (stick == StickParity::None ? 0 : 1);
}

bool PortSettings::parse(const QString& text, PortSettings* settings, QString* error) {
    QStringList fields = text.split(QLatin1Char(','));
    PortSettings parsed;
    if (fields.size() == 4) {
        const QString letter = fields[1].trimmed().toUpper();
        if (letter == QLatin1String("M")) parsed.stick = StickParity::Mark;
        if (letter == QLatin1String("S")) parsed.stick = StickParity::Space;
        if (parsed.stick != StickParity::None) {
            fields[1] = QStringLiteral("N");
        } else if (!kParityLetters.contains(letter)) {
            *error = QStringLiteral(
                         "校验“%1”无效，应为 E（偶）、O（奇）、N（无）、M（标记）或 S（空号）")
                         .arg(fields[1].trimmed());
            return false;
        }
    }
    if (!LineSettings::parse(fields.join(QLatin1Char(',')), &parsed.line, error)) return false;
    *settings = parsed;
    return true;
}

QString CheckPortSettings(const QString& text, PortSettings* settings,
                          const LineCapabilities& capabilities) {
    PortSettings parsed;
    QString error;
    if (!PortSettings::parse(text, &parsed, &error)) return error;
    if (parsed.stick != StickParity::None && !capabilities.markSpaceParity)
        return QStringLiteral("本机串口不支持标记和空号校验，请改用 E、O 或 N");
    error = LineSettingsRefusal(parsed.line, capabilities);
    if (error.isEmpty() && settings) *settings = parsed;
    return error;
}

}  // namespace comm
