#include "portargument.h"

#include "options.h"
#include "portmap.h"
#include "serialfactory.h"

namespace cli {

bool ParsePortArgument(const QString& text, PortArgument* port) {
    if (text.isEmpty()) return false;
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (isNumber && number >= comm::kFirstPort && number <= comm::kLastPort) {
        *port = PortArgument{number, QString()};
    } else {
        *port = PortArgument{comm::kFirstPort, text};
    }
    return true;
}

bool TakePortArgument(Options& o, PortArgument* port) {
    const std::optional<QString> text = o.required(QStringLiteral("--port"));
    if (!text) return false;
    if (!ParsePortArgument(*text, port)) return o.refuse(QStringLiteral("--port is empty"));
    return true;
}

std::unique_ptr<comm::SerialPort> MakePort(const PortArgument& port) {
    const comm::SerialPortFactory factory = port.device.isEmpty()
                                                ? comm::RealSerialPortFactory()
                                                : comm::FixedDeviceSerialPortFactory(port.device);
    std::unique_ptr<comm::SerialPort> serial = factory();
    serial->setCommPort(port.number);
    return serial;
}

}  // namespace cli
