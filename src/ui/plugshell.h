#pragma once

#include <QPainterPath>

namespace comm {

// The D-shaped shell of a nine-pin plug, wider at the top: the top edge from left to right at
// top, the bottom edge inset on both sides at bottom. Every picture of a port draws this one.
// Needs only QtGui, so the build-time picture program can use it without the widgets.
inline QPainterPath PlugShellPath(qreal left, qreal right, qreal top, qreal bottom, qreal inset) {
    QPainterPath shell;
    shell.moveTo(left, top);
    shell.lineTo(right, top);
    shell.lineTo(right - inset, bottom);
    shell.lineTo(left + inset, bottom);
    shell.closeSubpath();
    return shell;
}

}  // namespace comm
