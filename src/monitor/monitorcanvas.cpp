#include "monitorcanvas.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>

#include "monitorlayout.h"

namespace comm::monitor {

namespace {
int twipsToPixels(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;
}

bool isNavigationKey(int key) {
    switch (key) {
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_End:
        case Qt::Key_Home:
        case Qt::Key_Up:
        case Qt::Key_Down:
            return true;
        default:
            return false;
    }
}
}  // namespace

QFont MonitorFont() {
    QFont font(QStringLiteral("宋体"));  // untranslated: a font family's name
    // Where no Song face is installed, the next best faces with fixed-width Latin characters.
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"),  // untranslated: font names
                      QStringLiteral("WenQuanYi Micro Hei Mono"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(10.5);
    return font;
}

MonitorCanvas::MonitorCanvas(QWidget* parent) : QWidget(parent) {
    // Without the Song face the stand-in may be wider: shrink it until the twenty columns fit
    // between the ends of the rule, as they do in Song.
    QFont font = MonitorFont();
    const qreal needed = QFontMetricsF(font, this).horizontalAdvance(ColumnHeaderText());
    if (needed > ruleWidth()) font.setPointSizeF(font.pointSizeF() * ruleWidth() / needed * 0.995);
    setFont(font);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MonitorCanvas::clear() {
    lines_.clear();
    ruled_ = false;
    update();
}

void MonitorCanvas::drawLines(const QStringList& lines) {
    lines_ = lines;
    ruled_ = true;
    ++redraws_;
    update();
}

void MonitorCanvas::setBackground(const QColor& colour) {
    background_ = colour;
    update();
}

int MonitorCanvas::lineHeight() const {
    return twipsToPixels(kLineHeightTwips, logicalDpiY());
}

int MonitorCanvas::ruleWidth() const {
    return twipsToPixels(kRuleWidthTwips, logicalDpiX());
}

QSize MonitorCanvas::sizeHint() const {
    return {ruleWidth() + 4, lineHeight() * kLinesPerPage + 2};
}

void MonitorCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (!ruled_) return;
    const int height = lineHeight();
    const int width = ruleWidth();
    const QColor ink = background_.lightness() < 100 ? Qt::white : Qt::black;
    painter.setPen(ink);
    painter.setFont(font());
    for (int i = 0; i < lines_.size(); ++i) {
        const int y = i * height;
        painter.drawText(QRect(0, y, width, height), Qt::AlignLeft | Qt::AlignVCenter, lines_[i]);
        painter.drawLine(0, y, width, y);
    }
    const int last = int(lines_.size()) * height;
    painter.drawLine(0, last, width, last);
}

void MonitorCanvas::keyPressEvent(QKeyEvent* event) {
    emit keyPressed(event->key());
    if (isNavigationKey(event->key()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

}  // namespace comm::monitor
