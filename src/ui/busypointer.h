#pragma once

#include <QCursor>
#include <QPointer>
#include <QWidget>

namespace comm {

// Shows the hourglass over a window for as long as it lives, then gives the window back the
// pointer it had, whichever way the command that made it ends.
class BusyPointer {
public:
    explicit BusyPointer(QWidget* window)
        : window_(window),
          hadCursor_(window->testAttribute(Qt::WA_SetCursor)),
          previous_(window->cursor()) {
        window->setCursor(Qt::WaitCursor);
    }
    ~BusyPointer() {
        if (!window_) return;
        if (hadCursor_)
            window_->setCursor(previous_);
        else
            window_->unsetCursor();
    }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    QPointer<QWidget> window_;
    bool hadCursor_;
    QCursor previous_;
};

}  // namespace comm
