#include "porttext.h"

#include <QCoreApplication>

namespace comm {

QString BusyPortMessage() {
    return QCoreApplication::translate("Ports", "当前活动串口是非空闲串口！");
}

QString WithReason(const QString& message, const QString& reason) {
    return reason.isEmpty() ? message
                            : QCoreApplication::translate("Ports", "%1（%2）").arg(message, reason);
}

QString PortNotOpenText() {
    return QCoreApplication::translate("Ports", "串口未打开");
}

QString BadPortNumberText(int port) {
    return QCoreApplication::translate("Ports", "串口号 %1 无效，应为 1 到 4").arg(port);
}

QString PortInUseText(const QString& device) {
    return QCoreApplication::translate("Ports", "%1 正被其他程序使用").arg(device);
}

QString PortLostText(PortLoss loss) {
    switch (loss) {
        case PortLoss::Removed:
            return QCoreApplication::translate("Ports", "设备已从系统中移除");
        case PortLoss::Read:
            return QCoreApplication::translate("Ports",
                                               "无法再从设备读取（设备已断开或对端已关闭）");
        case PortLoss::Write:
            break;
    }
    return QCoreApplication::translate("Ports", "无法再向设备写入（设备已断开或对端已关闭）");
}

QString NoFourDataBitsText() {
    return QCoreApplication::translate("Ports", "本机串口不支持 4 位数据位，请改用 5 到 8 位");
}

QString NoOneAndHalfStopBitsText() {
    return QCoreApplication::translate("Ports", "本机串口不支持 1.5 位停止位，请改用 1 或 2 位");
}

QString NoMarkSpaceParityText() {
    return QCoreApplication::translate("Ports", "本机串口不支持标记和空号校验，请改用 E、O 或 N");
}

QString BadPortParityText(const QString& letter) {
    return QCoreApplication::translate(
               "Ports", "校验“%1”无效，应为 E（偶）、O（奇）、N（无）、M（标记）或 S（空号）")
        .arg(letter);
}

QString NoLineControlMessage() {
    return QCoreApplication::translate(
        "Ports", "该设备没有调制解调器控制线（例如虚拟串口），不能设置 DTR、RTS、中断和硬件流控");
}

}  // namespace comm
