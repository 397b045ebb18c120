// Draws the help pictures at build time, so the tree and the about box carry pictures of our
// own without binary files in the sources. Usage: comm_help_pictures <output folder>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

#include "plugshell.h"

namespace {

QImage canvas(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A closed book seen from the front: cover, spine and the page edges on the right.
void drawBook(QPainter& p, const QColor& cover, const QColor& mark) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 245, 235));
    p.drawRect(QRectF(4, 2.5, 10.5, 12));
    p.setPen(QPen(QColor(190, 190, 180), 0.8));
    for (double y = 4.5; y < 14; y += 2) p.drawLine(QPointF(13, y), QPointF(14.5, y));
    p.setPen(QPen(cover.darker(160), 1));
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(1.5, 1.5, 11.5, 13), 1.2, 1.2);
    p.setPen(QPen(cover.darker(200), 1.2));
    p.drawLine(QPointF(3.5, 2), QPointF(3.5, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(mark);
    p.drawRoundedRect(QRectF(5.5, 4.5, 5.5, 3), 0.8, 0.8);
}

// The root: a book with a question mark on a round badge.
QImage rootPicture() {
    QImage image = canvas(16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawBook(p, QColor(38, 92, 176), QColor(250, 250, 250));
    p.setPen(QPen(QColor(120, 80, 0), 1));
    p.setBrush(QColor(255, 204, 51));
    p.drawEllipse(QRectF(7.5, 7.5, 8, 8));
    QPainterPath question;
    question.moveTo(9.9, 10.3);
    question.cubicTo(9.9, 8.4, 13.3, 8.4, 13.3, 10.2);
    question.cubicTo(13.3, 11.3, 11.6, 11.3, 11.6, 12.6);
    p.setPen(QPen(QColor(90, 50, 0), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(question);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 50, 0));
    p.drawEllipse(QPointF(11.6, 14.1), 0.7, 0.7);
    return image;
}

// A group of topics: a plain green book.
QImage groupPicture() {
    QImage image = canvas(16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawBook(p, QColor(46, 139, 87), QColor(230, 240, 200));
    return image;
}

// A topic: a written page with a folded corner.
QImage topicPicture() {
    QImage image = canvas(16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath page;
    page.moveTo(3, 1.5);
    page.lineTo(10, 1.5);
    page.lineTo(13.5, 5);
    page.lineTo(13.5, 14.5);
    page.lineTo(3, 14.5);
    page.closeSubpath();
    p.setPen(QPen(QColor(110, 110, 120), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    QPainterPath corner;
    corner.moveTo(10, 1.5);
    corner.lineTo(10, 5);
    corner.lineTo(13.5, 5);
    p.setBrush(QColor(215, 220, 230));
    p.drawPath(corner);
    p.setPen(QPen(QColor(60, 110, 190), 1));
    for (double y = 7.5; y < 14; y += 2) p.drawLine(QPointF(5, y), QPointF(y < 12 ? 11.5 : 9, y));
    return image;
}

// The program: a nine-pin serial connector with its cable and a train of bits above it. Drawn
// on a 64-unit square scaled to the size asked for, so every icon size is drawn, not resampled.
QImage programPicture(int pixels = 64) {
    const int size = 64;
    QImage image = canvas(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(pixels / double(size), pixels / double(size));

    QLinearGradient sky(0, 0, 0, size);
    sky.setColorAt(0, QColor(70, 130, 200));
    sky.setColorAt(1, QColor(20, 50, 110));
    p.setPen(QPen(QColor(15, 35, 80), 1.5));
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), 9, 9);

    // Bits on the line: start bit, data, stop bit.
    QPainterPath bits;
    const double high = 9, low = 19;
    const int pattern[] = {1, 0, 1, 1, 0, 1, 0, 0, 1, 1};
    double x = 7;
    bits.moveTo(x, high);
    for (int bit : pattern) {
        const double y = bit ? high : low;
        bits.lineTo(x, y);
        x += 5;
        bits.lineTo(x, y);
    }
    p.setPen(QPen(QColor(120, 255, 140), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bits);

    // The shell of the plug.
    QLinearGradient steel(0, 27, 0, 45);
    steel.setColorAt(0, QColor(235, 238, 242));
    steel.setColorAt(1, QColor(150, 156, 166));
    p.setPen(QPen(QColor(60, 64, 72), 1.5));
    p.setBrush(steel);
    p.drawPath(comm::PlugShellPath(9, 55, 27, 45, 5));

    // Five pins in the upper row, four in the lower.
    p.setPen(QPen(QColor(120, 90, 10), 0.8));
    p.setBrush(QColor(240, 190, 50));
    for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(16 + i * 8, 32.5), 2.3, 2.3);
    for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(20 + i * 8, 39.5), 2.3, 2.3);

    // The cable leaving the connector.
    p.setPen(QPen(QColor(30, 30, 35), 5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath cable;
    cable.moveTo(32, 46);
    cable.cubicTo(32, 54, 44, 52, 50, 60);
    p.drawPath(cable);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const struct {
        const char* name;
        QImage image;
    } pictures[] = {{"root.png", rootPicture()},
                    {"group.png", groupPicture()},
                    {"topic.png", topicPicture()},
                    {"program.png", programPicture()}};
    for (const auto& picture : pictures) {
        const QString path = out.filePath(QString::fromLatin1(picture.name));
        if (!picture.image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    // The desktop icon in the sizes an icon theme looks for.
    for (int pixels : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path = out.filePath(QStringLiteral("icon-%1.png").arg(pixels));
        if (!programPicture(pixels).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
