#include "serialfactory.h"

#include "qtserialportbackend.h"

namespace comm {

SerialPortFactory RealSerialPortFactory() {
    return [] { return std::unique_ptr<SerialPort>(new QtSerialPortBackend); };
}

SerialPortFactory FixedDeviceSerialPortFactory(const QString& device) {
    return [device] {
        auto port = std::make_unique<QtSerialPortBackend>();
        port->setFixedDevice(device);
        return std::unique_ptr<SerialPort>(std::move(port));
    };
}

}  // namespace comm
