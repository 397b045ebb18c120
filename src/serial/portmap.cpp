#include "portmap.h"

#include <QCoreApplication>

#include "portdirectory.h"

namespace comm {

QString PortDevice(int port) {
    return PortDirectory::current().choice(port).device;
}

QString PortItemName(int port) {
    static const char* const kNames[] = {
        QT_TRANSLATE_NOOP("Ports", "串口一"), QT_TRANSLATE_NOOP("Ports", "串口二"),
        QT_TRANSLATE_NOOP("Ports", "串口三"), QT_TRANSLATE_NOOP("Ports", "串口四")};
    if (port < kFirstPort || port > kLastPort) return {};
    return QCoreApplication::translate("Ports", kNames[port - 1]);
}

QString NoDeviceText(int port) {
    return QCoreApplication::translate("Ports", "%1没有对应的设备").arg(PortItemName(port));
}

namespace {
QString SourceText(const PortChoice& choice) {
    switch (choice.source) {
        case PortSource::Variable:
            return QCoreApplication::translate("Ports", "由环境变量 RS232_COM%1 指定")
                .arg(choice.item);
        case PortSource::Binding:
            return QCoreApplication::translate("Ports", "用户指定");
        case PortSource::Automatic:
            return QCoreApplication::translate("Ports", "自动");
        case PortSource::None:
            break;
    }
    return QString();
}
}  // namespace

QString PortChoiceText(const PortChoice& choice) {
    if (choice.device.isEmpty())
        return choice.source == PortSource::Binding
                   ? QCoreApplication::translate("Ports", "无设备（指定的 %1 不在）")
                         .arg(choice.bound)
                   : QCoreApplication::translate("Ports", "无设备");
    QString text = choice.device;
    if (choice.listed) {
        const QString label = DeviceLabel(choice.info);
        const qsizetype dash = label.indexOf(QStringLiteral(" — "));
        if (dash >= 0) text += label.mid(dash);
    }
    return text + QCoreApplication::translate("Ports", "（%1）").arg(SourceText(choice));
}

QString PortChoiceShortText(const PortChoice& choice) {
    if (choice.device.isEmpty()) return QCoreApplication::translate("Ports", "无设备");
    return choice.listed ? DeviceShortLabel(choice.info) : choice.device;
}

QString PortProblemText(const SerialPort::Failure& failure) {
    using Problem = SerialPort::Problem;
    if (failure.problem == Problem::NoDevice)
        return failure.reason +
               QCoreApplication::translate(
                   "Ports", "。请接上设备，或在“设置”菜单的“串口对应设备...”中指定。");
    if (failure.device.isEmpty()) return failure.reason;
    QString why;
    switch (failure.problem) {
        case Problem::Missing:
            why = QCoreApplication::translate("Ports", "设备不存在");
            break;
        case Problem::Taken:
            why = QCoreApplication::translate("Ports", "设备正被其他程序或窗口使用");
            break;
        case Problem::PermissionDenied:
            why = QCoreApplication::translate(
                "Ports",
                "没有使用该设备的权限。在 Debian 上把用户加入 dialout 组"
                "（sudo adduser $USER dialout），重新登录后生效");
            break;
        case Problem::NoDevice:
        case Problem::Other:
            break;
    }
    // The system's own words follow, without the device they start with.
    QString words = failure.reason;
    if (words.startsWith(failure.device + QStringLiteral(": ")))
        words = words.mid(failure.device.size() + 2);
    if (why.isEmpty())
        why = words;
    else if (!words.isEmpty())
        why += QCoreApplication::translate("Ports", "（%1）").arg(words);
    return QCoreApplication::translate("Ports", "设备：%1\n原因：%2").arg(failure.device, why);
}

}  // namespace comm
