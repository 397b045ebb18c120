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

}  // namespace comm
