#include "selectonfocus.h"

#include <QLineEdit>
#include <QMouseEvent>

namespace comm {

namespace {

// One filter per box, owned by it.
class SelectAllFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = static_cast<QLineEdit*>(watched);
        if (event->type() == QEvent::FocusIn) {
            box->selectAll();
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            // A click places the cursor where it lands, undoing the selection, and the focus
            // may have come long before it, from the pointer moving over the box. So every
            // plain click selects again; a drag leaves the part the user marked.
            if (!box->hasSelectedText()) box->selectAll();
        }
        return false;
    }
};

}  // namespace

void SelectAllOnFocus(QLineEdit* box) {
    box->installEventFilter(new SelectAllFilter(box));
}

}  // namespace comm
