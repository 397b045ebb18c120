#include "supportbox.h"

#include <QLabel>
#include <QPushButton>

#include "raisedlabels.h"

namespace comm::help {

SupportBox::SupportBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(tr("技术支持"));
    UseBoxBackground(this);

    QFont heading = font();
    heading.setPointSize(26);
    heading.setBold(true);
    QFont note = font();
    note.setPointSize(12);

    const int width = 400;
    const RaisedLabels sos =
        AddRaisedLabels(this, 0, QStringLiteral("SOS"), heading, QRect(24, 16, width, 48));
    const RaisedLabels text =
        AddRaisedLabels(this, 1,
                        tr("自己注意(2400,o,7,2)和(2400,e,8,1)同样可以协调通讯但接收到数据的区别是"
                           "数据的二进制最高位相反一个是1一个是0"),
                        note, QRect(24, sos.front->geometry().bottom() + 12, width, 60), true);
    const int buttonTop = text.front->geometry().bottom() + 20;
    AddCloseButton(this, QRect(24 + width - 100, buttonTop, 100, 32));
    setFixedSize(24 + width + 24, buttonTop + 32 + 18);
}

}  // namespace comm::help
