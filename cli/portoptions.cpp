#include "portoptions.h"

#include "linesettings.h"
#include "serialsettings.h"

namespace cli {

namespace {

bool onOff(const std::optional<QString>& text, std::optional<bool>* level) {
    if (!text) return true;
    if (*text != QLatin1String("on") && *text != QLatin1String("off")) return false;
    *level = *text == QLatin1String("on");
    return true;
}

}  // namespace

bool ParseListenSettings(const QString& text, QString* settings) {
    if (const std::optional<comm::LineSettings> listed = comm::LineSettings::fromListedText(text)) {
        *settings = listed->text();
        return true;
    }
    comm::PortSettings port;
    if (!comm::CheckPortSettings(text, &port).isEmpty()) return false;
    *settings = port.text();
    return true;
}

bool ParseLineControl(Options& options, LineControlArgs* line) {
    if (const std::optional<QString> flow = options.value(QStringLiteral("--flow"))) {
        if (*flow == QLatin1String("none"))
            line->flow = comm::FlowControl::None;
        else if (*flow == QLatin1String("rtscts"))
            line->flow = comm::FlowControl::RtsCts;
        else if (*flow == QLatin1String("xonxoff"))
            line->flow = comm::FlowControl::XonXoff;
        else
            return false;
    }
    return onOff(options.value(QStringLiteral("--dtr")), &line->dtr) &&
           onOff(options.value(QStringLiteral("--rts")), &line->rts);
}

bool ApplyLineControl(comm::SerialPort& port, const LineControlArgs& line, QString* error) {
    const bool ok = (!line.flow || port.setFlowControl(*line.flow)) &&
                    (!line.dtr || port.setDtr(*line.dtr)) && (!line.rts || port.setRts(*line.rts));
    if (!ok) *error = port.failure().reason;
    return ok;
}

}  // namespace cli
