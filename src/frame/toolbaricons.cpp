#include "toolbaricons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "plugshell.h"

namespace comm {

namespace {

constexpr int kSize = 24;
const QColor kInk(40, 40, 40);
// Areas lighter than this grey level are left out of the disabled form.
constexpr int kEngraveThreshold = 160;
const QColor kEngraveGrey(160, 160, 160);

// A page with a folded corner, the base of the file pictures.
void page(QPainter& p, const QRectF& r) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 5, r.top());
    path.lineTo(r.right(), r.top() + 5);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 5, r.top()), QPointF(r.right() - 5, r.top() + 5));
    p.drawLine(QPointF(r.right() - 5, r.top() + 5), QPointF(r.right(), r.top() + 5));
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::max(1.0, std::hypot((to - from).x(), (to - from).y()));
    const QPointF n(-d.y(), d.x());
    QPolygonF head({to + d * 2, to - d * 4 + n * 4, to - d * 4 - n * 4});
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
}

void badge(QPainter& p, const QColor& colour, const QString& glyph) {
    p.setPen(QPen(colour.darker(140), 1));
    p.setBrush(colour);
    p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, glyph);
}

// A nine-pin plug with the port's number on it.
void port(QPainter& p, int number) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(70, 110, 170));
    p.drawPath(PlugShellPath(2, 22, 5, 19, 3));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 5, 20, 14), Qt::AlignCenter, QString::number(number));
}

using Painter = std::function<void(QPainter&)>;

const std::map<QString, Painter>& painters() {
    static const std::map<QString, Painter> table = {
        {QStringLiteral("t1"), [](QPainter& p) { page(p, QRectF(5.5, 2.5, 13, 19)); }},
        {QStringLiteral("t2"),
         [](QPainter& p) {
             p.setPen(QPen(QColor(150, 110, 20), 1));
             p.setBrush(QColor(240, 200, 80));
             p.drawRect(QRectF(2.5, 6.5, 19, 13));
             p.setBrush(QColor(250, 220, 120));
             QPolygonF flap({QPointF(5.5, 10.5), QPointF(22.5, 10.5), QPointF(19.5, 19.5),
                             QPointF(2.5, 19.5)});
             p.drawPolygon(flap);
         }},
        {QStringLiteral("t3"),
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1));
             p.setBrush(QColor(60, 90, 160));
             p.drawRect(QRectF(3.5, 3.5, 17, 17));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(6.5, 3.5, 11, 7));
             p.setBrush(QColor(200, 200, 200));
             p.drawRect(QRectF(7.5, 13.5, 9, 7));
         }},
        {QStringLiteral("t4"),
         [](QPainter& p) {
             page(p, QRectF(7.5, 2.5, 10, 8));
             p.setBrush(QColor(170, 170, 170));
             p.drawRect(QRectF(2.5, 9.5, 19, 8));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(6.5, 15.5, 11, 6));
         }},
        {QStringLiteral("t5"),
         [](QPainter& p) {
             p.setPen(QPen(QColor(20, 110, 30), 1));
             p.setBrush(QColor(50, 170, 60));
             p.drawPolygon(QPolygonF({QPointF(6, 3), QPointF(20, 12), QPointF(6, 21)}));
         }},
        {QStringLiteral("t14"),
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1));
             p.setBrush(QColor(20, 40, 30));
             p.drawRect(QRectF(2.5, 4.5, 19, 15));
             QPainterPath wave;
             wave.moveTo(4, 12);
             for (int x = 4; x <= 20; ++x) wave.lineTo(x, 12 - 4 * std::sin((x - 4) * 0.8));
             p.setPen(QPen(QColor(90, 230, 90), 1.5));
             p.setBrush(Qt::NoBrush);
             p.drawPath(wave);
         }},
        {QStringLiteral("t18"),
         [](QPainter& p) {
             // A terminal screen with its prompt.
             p.setPen(QPen(kInk, 1));
             p.setBrush(QColor(30, 30, 40));
             p.drawRect(QRectF(2.5, 3.5, 19, 16));
             p.setPen(QPen(QColor(230, 230, 230), 1.5));
             p.drawPolyline(QPolygonF({QPointF(5, 8), QPointF(8.5, 11), QPointF(5, 14)}));
             p.drawLine(QPointF(10, 15.5), QPointF(16, 15.5));
         }},
        {QStringLiteral("t15"),
         [](QPainter& p) {
             page(p, QRectF(2.5, 2.5, 12, 18));
             arrow(p, QPointF(10, 15), QPointF(20, 15), QColor(30, 120, 200));
         }},
        {QStringLiteral("t16"),
         [](QPainter& p) {
             page(p, QRectF(9.5, 2.5, 12, 18));
             arrow(p, QPointF(2, 15), QPointF(13, 15), QColor(200, 110, 20));
         }},
        {QStringLiteral("t6"), [](QPainter& p) { port(p, 1); }},
        {QStringLiteral("t7"), [](QPainter& p) { port(p, 2); }},
        {QStringLiteral("t8"), [](QPainter& p) { port(p, 3); }},
        {QStringLiteral("t9"), [](QPainter& p) { port(p, 4); }},
        {QStringLiteral("t17"),
         [](QPainter& p) {
             p.setPen(QPen(kInk, 2));
             p.setBrush(QColor(220, 235, 250));
             p.drawEllipse(QRectF(3, 3, 12, 12));
             p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(14, 14), QPointF(20.5, 20.5));
             QFont font = p.font();
             font.setBold(true);
             font.setPixelSize(10);
             p.setFont(font);
             p.setPen(QColor(30, 90, 170));
             p.drawText(QRectF(3, 3, 12, 12), Qt::AlignCenter, QStringLiteral("?"));
         }},
        {QStringLiteral("t10"),
         [](QPainter& p) { badge(p, QColor(40, 110, 200), QStringLiteral("?")); }},
        {QStringLiteral("t11"),
         [](QPainter& p) {
             // A life ring: help at hand.
             p.setPen(QPen(QColor(150, 30, 30), 1));
             p.setBrush(QColor(220, 50, 50));
             p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
             p.setBrush(Qt::white);
             for (int a = 0; a < 4; ++a)
                 p.drawPie(QRectF(2.5, 2.5, 19, 19), (45 + a * 90 - 15) * 16, 30 * 16);
             p.setBrush(QColor(240, 240, 240));
             p.drawEllipse(QRectF(8, 8, 8, 8));
         }},
        {QStringLiteral("t12"),
         [](QPainter& p) { badge(p, QColor(40, 150, 120), QStringLiteral("i")); }},
        {QStringLiteral("t13"),
         [](QPainter& p) {
             p.setPen(QPen(QColor(100, 70, 40), 1));
             p.setBrush(QColor(170, 120, 70));
             p.drawRect(QRectF(4.5, 2.5, 11, 19));
             arrow(p, QPointF(10, 12), QPointF(21, 12), QColor(200, 40, 40));
         }},
    };
    return table;
}

// The disabled form, engraved the way the platform greys its own pictures out: the dark
// strokes and fills become one flat grey with a white edge below and to the right, and the
// light areas vanish. Greying the colours alone leaves a white page or a grey printer looking
// the same whether it can be used or not.
QImage engraved(const QImage& picture, int scale) {
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    QImage ink(source.size(), QImage::Format_ARGB32);
    ink.fill(Qt::transparent);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(ink.scanLine(y));
        for (int x = 0; x < source.width(); ++x)
            if (qGray(in[x]) < kEngraveThreshold) out[x] = qRgba(0, 0, 0, qAlpha(in[x]));
    }
    QImage result(source.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    const auto stamp = [&](QPoint offset, const QColor& colour) {
        QImage tinted = ink;
        QPainter tint(&tinted);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(tinted.rect(), colour);
        tint.end();
        painter.drawImage(offset, tinted);
    };
    stamp(QPoint(scale, scale), Qt::white);
    stamp(QPoint(0, 0), kEngraveGrey);
    painter.end();
    return result;
}

}  // namespace

QIcon ToolBarIcon(const QString& key) {
    const auto found = painters().find(key);
    if (found == painters().end()) return {};
    QIcon icon;
    for (int scale : {1, 2}) {
        QImage picture(kSize * scale, kSize * scale, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.scale(scale, scale);
        painter.setRenderHint(QPainter::Antialiasing);
        found->second(painter);
        painter.end();
        QPixmap normal = QPixmap::fromImage(picture);
        normal.setDevicePixelRatio(scale);
        icon.addPixmap(normal, QIcon::Normal);
        QPixmap disabled = QPixmap::fromImage(engraved(picture, scale));
        disabled.setDevicePixelRatio(scale);
        icon.addPixmap(disabled, QIcon::Disabled);
    }
    return icon;
}

}  // namespace comm
