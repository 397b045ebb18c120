#include "selectonfocus.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace comm {

namespace {

// One filter per box, owned by it.
class SelectAllFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = static_cast<QLineEdit*>(watched);
        switch (event->type()) {
            case QEvent::FocusIn:
                box->selectAll();
                // A click places the cursor after the focus has arrived, undoing the selection;
                // the release of that click selects again, unless the user dragged a selection.
                focusedByClick_ =
                    static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
                break;
            case QEvent::MouseButtonRelease:
                if (focusedByClick_ && !box->hasSelectedText()) box->selectAll();
                focusedByClick_ = false;
                break;
            case QEvent::FocusOut:
                focusedByClick_ = false;
                break;
            default:
                break;
        }
        return false;
    }

private:
    bool focusedByClick_ = false;
};

}  // namespace

void SelectAllOnFocus(QLineEdit* box) {
    box->installEventFilter(new SelectAllFilter(box));
}

}  // namespace comm
