#include "serialsettings.h"

#include "porttext.h"

namespace comm {

QString LineSettingsRefusal(const LineSettings& settings, const LineCapabilities& capabilities) {
    if (settings.dataBits == 4 && !capabilities.fourDataBits) return NoFourDataBitsText();
    if (settings.stopBits == StopBits::OneAndHalf && !capabilities.oneAndHalfStopBits)
        return NoOneAndHalfStopBitsText();
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
            *error = BadPortParityText(fields[1].trimmed());
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
        return NoMarkSpaceParityText();
    error = LineSettingsRefusal(parsed.line, capabilities);
    if (error.isEmpty() && settings) *settings = parsed;
    return error;
}

}  // namespace comm
