#include "selectonfocus.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace comm {

namespace {

// One filter per box, owned by it.
class SelectAllFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn) return false;
        auto* box = static_cast<QLineEdit*>(watched);
        box->selectAll();
        // A click places the cursor after the focus has arrived, which would undo the
        // selection; select again once the click has been handled.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
            QTimer::singleShot(0, box, [box = QPointer<QLineEdit>(box)] {
                if (box && box->hasFocus()) box->selectAll();
            });
        }
        return false;
    }
};

}  // namespace

void SelectAllOnFocus(QLineEdit* box) { box->installEventFilter(new SelectAllFilter(box)); }

}  // namespace comm
