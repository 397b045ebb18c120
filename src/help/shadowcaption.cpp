#include "shadowcaption.h"

#include <QLabel>
#include <QPalette>

namespace comm::help {

namespace {
void setTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void placeShadow(QLabel* mainLabel, QLabel* shadowLabel, const QPoint& offset) {
    shadowLabel->move(mainLabel->pos() + offset);
    setTextColour(shadowLabel, Qt::white);
    setTextColour(mainLabel, Qt::black);
    mainLabel->raise();
}
}  // namespace

void ShadowCaption(QLabel* mainLabel, QLabel* shadowLabel, int style, const QString& caption) {
    if (!mainLabel || !shadowLabel) return;
    const QString text = caption.isEmpty() ? mainLabel->text() : caption;
    mainLabel->setText(text);
    shadowLabel->setText(text);
    shadowLabel->resize(mainLabel->size());

    switch (style) {
        case kShadowUpLeft:
            placeShadow(mainLabel, shadowLabel, QPoint(-1, -1));
            break;
        case kShadowDownRight:
            placeShadow(mainLabel, shadowLabel, QPoint(1, 1));
            break;
        case kShadowAlignLeft:
            shadowLabel->move(mainLabel->x(), shadowLabel->y());
            break;
        default:
            break;
    }
}

}  // namespace comm::help
