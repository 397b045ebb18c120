#include "activitypictures.h"

#include <QPainter>
#include <QPolygonF>

namespace comm {

namespace {
constexpr int kSize = 32;

// An arrow across a lamp: pointing right (out to the device) or left (in from it).
QPixmap lamp(const QColor& color, int arrow) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color.darker(160), 1.5));
    p.setBrush(color);
    p.drawEllipse(QRectF(2, 2, kSize - 4, kSize - 4));
    if (arrow != 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        const double c = kSize / 2.0;
        const double d = 8.0 * arrow;
        p.drawPolygon(QPolygonF{{c - d, c - 3},
                                {c, c - 3},
                                {c, c - 8},
                                {c + d, c},
                                {c, c + 8},
                                {c, c + 3},
                                {c - d, c + 3}});
    }
    return pixmap;
}
}  // namespace

QPixmap ActivityPicture(RunEngine::Activity activity) {
    switch (activity) {
        case RunEngine::Activity::Sending:
            return lamp(QColor(0x2e, 0xa0, 0x43), 1);
        case RunEngine::Activity::Receiving:
            return lamp(QColor(0x1f, 0x6f, 0xd0), -1);
        case RunEngine::Activity::Idle:
            break;
    }
    return lamp(QColor(0xa8, 0xa8, 0xa8), 0);
}

}  // namespace comm
