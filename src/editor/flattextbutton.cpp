#include "flattextbutton.h"

#include <QFrame>
#include <QMouseEvent>

namespace comm {

FlatTextButton::FlatTextButton(const QString& text, const QString& lineName, QWidget* parent)
    : QLabel(text, parent) {
    setAlignment(Qt::AlignCenter);
    setMargin(3);
    setCursor(Qt::PointingHandCursor);
    for (int i = 0; i < 4; ++i) {
        auto* line = new QFrame(this);
        line->setObjectName(QStringLiteral("%1_%2").arg(lineName).arg(i));
        line->setAutoFillBackground(true);
        line->setAttribute(Qt::WA_TransparentForMouseEvents);
        line->hide();
        lines_[i] = line;
    }
    setRaised(true);
}

QColor FlatTextButton::lineColor(Edge edge) const {
    return lines_[edge]->palette().color(QPalette::Window);
}

void FlatTextButton::setLinesShown(bool shown) {
    for (QFrame* line : lines_) line->setVisible(shown);
}

void FlatTextButton::setRaised(bool raised) {
    // The light edge is the colour of a window's content area, as in a classic raised button.
    const QColor light = palette().color(QPalette::Base);
    const QColor dark = Qt::black;
    for (int i = 0; i < 4; ++i) {
        const bool topOrLeft = i == Top || i == Left;
        QPalette p = lines_[i]->palette();
        p.setColor(QPalette::Window, topOrLeft == raised ? light : dark);
        lines_[i]->setPalette(p);
    }
}

void FlatTextButton::placeLines() {
    const int w = width();
    const int h = height();
    lines_[Top]->setGeometry(0, 0, w, 1);
    lines_[Left]->setGeometry(0, 0, 1, h);
    lines_[Bottom]->setGeometry(0, h - 1, w, 1);
    lines_[Right]->setGeometry(w - 1, 0, 1, h);
}

void FlatTextButton::enterEvent(QEnterEvent* event) {
    setLinesShown(true);
    QLabel::enterEvent(event);
}

void FlatTextButton::leaveEvent(QEvent* event) {
    if (!pressed_) setLinesShown(false);
    QLabel::leaveEvent(event);
}

void FlatTextButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
    pressed_ = true;
    setLinesShown(true);
    setRaised(false);
}

void FlatTextButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) return QLabel::mouseReleaseEvent(event);
    pressed_ = false;
    setRaised(true);
    setLinesShown(false);
    // Released away from the caption, the press is taken back, as with any button.
    if (rect().contains(event->position().toPoint())) emit clicked();
}

void FlatTextButton::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    placeLines();
}

}  // namespace comm
