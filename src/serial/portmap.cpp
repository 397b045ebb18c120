#include "portmap.h"

#include <QtGlobal>

namespace comm {

QString PortDevice(int port) {
    if (port < kFirstPort || port > kLastPort) return {};
    QString overridden = qEnvironmentVariable(qPrintable(QStringLiteral("RS232_COM%1").arg(port)));
    if (!overridden.isEmpty()) return overridden;
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
#endif
}

}  // namespace comm
