#include "terminaltext.h"

#include <QCoreApplication>

namespace comm {

QString NotHexText(const QString& typed, QChar character) {
    return QCoreApplication::translate("TerminalText",
                                       "“%1”含有非十六进制字符“%2”，只能输入 0-9、A-F 和空格")
        .arg(typed, character);
}

QString HalfByteText(const QString& typed, const QString& group) {
    return QCoreApplication::translate("TerminalText",
                                       "“%1”中的“%2”不是整字节，每个字节写两位十六进制数")
        .arg(typed, group);
}

QString NothingToSendText() {
    return QCoreApplication::translate("TerminalText", "没有要发送的字节");
}

QString FileNotReadText(const QString& path, const QString& reason) {
    return QCoreApplication::translate("TerminalText", "打不开文件“%1”：%2").arg(path, reason);
}

QString FileTooLargeText(const QString& path, qint64 limit) {
    return QCoreApplication::translate("TerminalText", "文件“%1”太大，一次最多发送 %2 字节")
        .arg(path)
        .arg(limit);
}

QString EmptyFileText(const QString& path) {
    return QCoreApplication::translate("TerminalText", "文件“%1”是空的，没有要发送的字节")
        .arg(path);
}

}  // namespace comm
