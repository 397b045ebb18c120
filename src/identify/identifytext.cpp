#include "identifytext.h"

#include <QCoreApplication>

namespace comm {

QString IdentifyStoppedMessage() {
    return QCoreApplication::translate("IdentifyText", "自动识别过程用户中断!!!");
}

QString IdentifyFinishedMessage(int count) {
    return QCoreApplication::translate("IdentifyText", "自动识别过程完毕,可能的设置有:%1个")
        .arg(count);
}

QString HoldpaneFailedMessage(const QString& reason) {
    return QCoreApplication::translate("IdentifyText", "无法启动Holdpane程序：%1").arg(reason);
}

QString ErrorsUnreportedNotice() {
    // The port cannot tell line errors, so nothing drops a candidate but silence.
    return QCoreApplication::translate(
        "IdentifyText",
        "当前串口无法报告线路差错（例如虚拟串口或不计差错的转换器），凡收到数据的设置都会被列出，"
        "请参考“依据”一栏。");
}

QString ErrorsUnreportedWarning() {
    return QCoreApplication::translate("IdentifyText",
                                       "注意：该串口无法报告线路差错，凡收到数据的设置都会被列出");
}

}  // namespace comm
