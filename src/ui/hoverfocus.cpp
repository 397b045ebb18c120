#include "hoverfocus.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace comm::ui {

namespace {

const char* const kWithinProperty = "commFocusOnHover";

void FocusIfItTakesIt(QWidget* widget) {
    if (widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus && !widget->hasFocus())
        widget->setFocus(Qt::OtherFocusReason);
}

// One filter per widget, owned by it, so it goes when the widget goes.
class HoverFocusFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Enter) FocusIfItTakesIt(static_cast<QWidget*>(watched));
        return false;
    }
};

bool InsideMarkedWindow(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w->property(kWithinProperty).toBool()) return true;
    return false;
}

// One filter for the whole application: it sees the pointer enter a button or box made at any
// time, and acts only inside the windows that asked for it.
class WithinFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Enter || !watched->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        if ((qobject_cast<QPushButton*>(widget) || qobject_cast<QLineEdit*>(widget)) &&
            InsideMarkedWindow(widget))
            FocusIfItTakesIt(widget);
        return false;
    }
};

}  // namespace

void GiveFocusOnHover(QWidget* widget) {
    widget->installEventFilter(new HoverFocusFilter(widget));
}

void GiveFocusOnHoverWithin(QWidget* window) {
    static QPointer<WithinFilter> filter;
    if (!filter) {
        filter = new WithinFilter(qApp);
        qApp->installEventFilter(filter);
    }
    window->setProperty(kWithinProperty, true);
}

}  // namespace comm::ui
