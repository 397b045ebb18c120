#include "linestatepanel.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>

namespace comm::ui {

namespace {

const char* const kLampNames[] = {"CTS", "DSR", "DCD", "RI"};
const char* const kCounterNames[] = {QT_TRANSLATE_NOOP("LineStatePanel", "幀错误"),
                                     QT_TRANSLATE_NOOP("LineStatePanel", "校验错误"),
                                     QT_TRANSLATE_NOOP("LineStatePanel", "溢出"), "Break"};
QString unavailable() {
    return QCoreApplication::translate("LineStatePanel", "不可用");
}
const QString kNoCount = QStringLiteral("-");

QPixmap lampPicture(bool on) {
    QPixmap picture(12, 12);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.setBrush(on ? QColor(0x20, 0xC0, 0x20) : QColor(0x70, 0x70, 0x70));
    painter.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    return picture;
}

}  // namespace

LineStatePanel::LineStatePanel(QWidget* parent)
    : QGroupBox(QCoreApplication::translate("LineStatePanel", "线路状态"), parent) {
    setObjectName(QStringLiteral("LineState"));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < 4; ++i) {
        auto* caption = new QLabel(QString::fromUtf8(kLampNames[i]), this);
        lamps_[i] = new QLabel(this);
        lamps_[i]->setObjectName(QStringLiteral("LineLamp_%1").arg(i));
        lampCells_ << caption << lamps_[i];
        grid->addWidget(caption, 0, 2 * i, Qt::AlignRight);
        grid->addWidget(lamps_[i], 0, 2 * i + 1, Qt::AlignLeft);

        auto* name =
            new QLabel(QCoreApplication::translate("LineStatePanel", kCounterNames[i]), this);
        counters_[i] = new QLabel(this);
        counters_[i]->setObjectName(QStringLiteral("LineErrors_%1").arg(i));
        counters_[i]->setIndent(4);
        counters_[i]->setMinimumWidth(counters_[i]->fontMetrics().horizontalAdvance('0') * 5);
        counterCells_ << name << counters_[i];
        grid->addWidget(name, 1, 2 * i, Qt::AlignRight);
        grid->addWidget(counters_[i], 1, 2 * i + 1, Qt::AlignLeft);
    }
    lampsNote_ = new QLabel(QStringLiteral("CTS DSR DCD RI: ") + unavailable(), this);
    lampsNote_->setObjectName(QStringLiteral("LineLampsNote"));
    errorsNote_ = new QLabel(
        QCoreApplication::translate("LineStatePanel", "线路错误: ") + unavailable(), this);
    errorsNote_->setObjectName(QStringLiteral("LineErrorsNote"));
    grid->addWidget(lampsNote_, 0, 0, 1, 8);
    grid->addWidget(errorsNote_, 1, 0, 1, 8);
    showState(LineState());
}

void LineStatePanel::showState(const LineState& state) {
    const bool lines = !state.open || state.linesKnown;
    const bool errors = !state.open || state.errorsKnown;
    for (QWidget* cell : lampCells_) cell->setVisible(lines);
    for (QWidget* cell : counterCells_) cell->setVisible(errors);
    lampsNote_->setVisible(!lines);
    errorsNote_->setVisible(!errors);

    const bool known = state.open && state.linesKnown;
    setLamp(Cts, known && state.cts);
    setLamp(Dsr, known && state.dsr);
    setLamp(Dcd, known && state.dcd);
    setLamp(Ring, known && state.ring);
    const quint32 counts[] = {state.framing, state.parity, state.overrun, state.breaks};
    for (int i = 0; i < 4; ++i)
        counters_[i]->setText(state.open ? QString::number(counts[i]) : kNoCount);
    setEnabled(state.open);
}

void LineStatePanel::setLamp(Lamp which, bool on) {
    lamps_[which]->setPixmap(lampPicture(on));
}

}  // namespace comm::ui
