#include "hoverfocus.h"

#include <QEvent>
#include <QWidget>

namespace comm::ui {

namespace {

// One filter per widget, owned by it, so it goes when the widget goes.
class HoverFocusFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Enter) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus && !widget->hasFocus())
                widget->setFocus(Qt::OtherFocusReason);
        }
        return false;
    }
};

}  // namespace

void GiveFocusOnHover(QWidget* widget) {
    widget->installEventFilter(new HoverFocusFilter(widget));
}

}  // namespace comm::ui
