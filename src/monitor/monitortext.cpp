#include "monitortext.h"

#include <QCoreApplication>

namespace comm::monitor {

QString StoreFailedMessage() {
    return QCoreApplication::translate("MonitorText", "存储数据失败!!!");
}

QString CaptureFileUnreadableMessage() {
    return QCoreApplication::translate("MonitorText", "打开该文件失败!!!");
}

QString DeviceGoneMessage(const QString& reason) {
    return QCoreApplication::translate("MonitorText", "设备断开，等待它恢复（%1）").arg(reason);
}

QString DeviceBackMessage() {
    return QCoreApplication::translate("MonitorText", "设备已恢复，继续监听");
}

}  // namespace comm::monitor
