#pragma once

#include <QDialog>

namespace comm::help {

inline const QString kSupportNote = QStringLiteral(
    "自己注意(2400,o,7,2)和(2400,e,8,1)同样可以协调通讯但接收到数据的区别是数据的二进制最高位相反"
    "一个是1一个是0");

// The support box (Form6): the raised heading "SOS" and the note on look-alike settings.
// Shown modally by the support command, which owns it.
class SupportBox : public QDialog {
    Q_OBJECT
public:
    explicit SupportBox(QWidget* parent = nullptr);
};

}  // namespace comm::help
