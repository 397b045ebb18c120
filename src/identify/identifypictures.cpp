#include "identifypictures.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "plugshell.h"

namespace comm {

QPixmap PortLampPicture(bool open) {
    constexpr int kSize = 32;
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor shell = open ? QColor(0x2e, 0xa0, 0x43) : QColor(0x9a, 0x9a, 0x9a);
    // The shell and its nine pins in two rows.
    p.setPen(QPen(shell.darker(170), 1.5));
    p.setBrush(shell);
    p.drawPath(PlugShellPath(3, 29, 9, 23, 3.5));
    p.setPen(Qt::NoPen);
    p.setBrush(open ? QColor(0xf4, 0xff, 0xf0) : QColor(0x55, 0x55, 0x55));
    for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(8 + i * 4.0, 13.5), 1.3, 1.3);
    for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(10 + i * 4.0, 18.5), 1.3, 1.3);
    return picture;
}

QPixmap CandidatePicture(bool mostLikely) {
    constexpr int kSize = 16;
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    if (mostLikely) {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 ? 3.2 : 7.2;
            const double a = -M_PI / 2 + i * M_PI / 5;
            star << QPointF(8 + r * std::cos(a), 8.4 + r * std::sin(a));
        }
        p.setPen(QPen(QColor(0x9a, 0x6a, 0x00), 1));
        p.setBrush(QColor(0xff, 0xc8, 0x2a));
        p.drawPolygon(star);
        return picture;
    }
    // A small waveform: the bits of a character on the line.
    p.setPen(QPen(QColor(0x1f, 0x5f, 0xb0), 1.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{
        {1, 5}, {4, 5}, {4, 11}, {7, 11}, {7, 5}, {10, 5}, {10, 11}, {12, 11}, {12, 5}, {15, 5}});
    return picture;
}

}  // namespace comm
