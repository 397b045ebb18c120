#include "serialfactory.h"

#include "qtserialportbackend.h"

namespace comm {

SerialPortFactory RealSerialPortFactory() {
    return [] { return std::unique_ptr<SerialPort>(new QtSerialPortBackend); };
}

}  // namespace comm
