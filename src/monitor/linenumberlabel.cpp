#include "linenumberlabel.h"

#include <QPainter>

#include "monitorcanvas.h"
#include "monitorlayout.h"

namespace comm::monitor {

LineNumberLabel::LineNumberLabel(int lineHeight, QWidget* parent)
    : QLabel(parent), lineHeight_(lineHeight) {
    setFont(MonitorFont());
}

QSize LineNumberLabel::sizeHint() const {
    return {fontMetrics().horizontalAdvance(QStringLiteral("00000 ")),
            lineHeight_ * kLinesPerPage + 2};
}

void LineNumberLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QStringList numbers = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < numbers.size(); ++i)
        painter.drawText(QRect(0, i * lineHeight_, width(), lineHeight_),
                         Qt::AlignRight | Qt::AlignVCenter, numbers[i]);
}

}  // namespace comm::monitor
