#include "aboutbox.h"

#include <QFrame>
#include <QLabel>

#include "helppictures.h"
#include "raisedlabels.h"

namespace comm::help {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(tr("关于程序"));
    setFixedSize(460, 230);
    UseBoxBackground(this);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(ProgramPicture());
    picture->setGeometry(24, 28, 64, 64);

    QFont title = font();
    title.setPointSize(15);
    title.setBold(true);
    QFont line = font();
    line.setPointSize(12);

    AddRaisedLabels(this, 0, tr("通用RS232串口通讯调试程序"), title, QRect(108, 28, 330, 34));
    AddRaisedLabels(this, 1, tr("硬件工具"), line, QRect(108, 76, 330, 26));
    AddRaisedLabels(this, 2, tr("欢迎使用"), line, QRect(108, 108, 330, 26));

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(20, 160, 420, 4);

    AddCloseButton(this, QRect(338, 180, 100, 32));
}

}  // namespace comm::help
