#include "windowarrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace comm {

namespace {

QList<QMdiSubWindow*> openWindows(QMdiArea* area) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area->subWindowList())
        if (window->isVisible() && !window->isMinimized()) windows << window;
    return windows;
}

void tile(QMdiArea* area, Qt::Orientation bands) {
    const QList<QMdiSubWindow*> windows = openWindows(area);
    if (windows.isEmpty()) return;
    const QRect space = area->viewport()->rect();
    const int n = int(windows.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* window = windows[i];
        if (window->isMaximized()) window->showNormal();
        QRect r;
        if (bands == Qt::Horizontal) {
            const int top = space.height() * i / n;
            r = QRect(0, top, space.width(), space.height() * (i + 1) / n - top);
        } else {
            const int left = space.width() * i / n;
            r = QRect(left, 0, space.width() * (i + 1) / n - left, space.height());
        }
        window->setGeometry(r);
    }
}

}  // namespace

void TileHorizontally(QMdiArea* area) {
    tile(area, Qt::Horizontal);
}

void TileVertically(QMdiArea* area) {
    tile(area, Qt::Vertical);
}

void ArrangeIcons(QMdiArea* area) {
    const QRect space = area->viewport()->rect();
    int left = 0;
    for (QMdiSubWindow* window : area->subWindowList()) {
        if (!window->isMinimized()) continue;
        const QSize size = window->size();
        window->move(left, space.height() - size.height());
        left += size.width();
    }
}

}  // namespace comm
