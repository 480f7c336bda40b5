#include "PadIcons.h"

#include "ArtKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace art {

namespace {

constexpr int kButton = 40;
const QColor kOutline(0, 36, 12);

void paintEraserBody(QPainter& p) {
    p.save();
    p.translate(20, 18);
    p.rotate(-35);
    const QRectF body(-14, -7, 28, 14);
    p.setPen(QPen(kOutline, 1.6));
    p.setBrush(QColor(236, 246, 238));
    p.drawRoundedRect(body, 3, 3);
    QPainterPath tip;
    tip.addRoundedRect(body, 3, 3);
    p.setClipPath(tip);
    p.fillRect(QRectF(-14, -7, 10, 14), QColor(250, 120, 140));
    p.fillRect(QRectF(-14, -7, 28, 4), QColor(255, 255, 255, 90));
    p.setClipping(false);
    p.setPen(QPen(kOutline, 1.2));
    p.drawLine(QPointF(-4, -7), QPointF(-4, 7));
    p.restore();
}

void paintBulb(QPainter& p) {
    QRadialGradient glass(15, 12, 12);
    glass.setColorAt(0.0, QColor(255, 255, 235));
    glass.setColorAt(0.5, QColor(255, 236, 120));
    glass.setColorAt(1.0, QColor(235, 180, 40));
    QPainterPath bulb;
    bulb.addEllipse(QPointF(17, 14), 9.5, 9.5);
    bulb.addRect(QRectF(12.5, 18, 9, 7));
    p.setPen(QPen(kOutline, 1.6));
    p.setBrush(glass);
    p.drawPath(bulb.simplified());
    p.setPen(QPen(QColor(200, 110, 0), 1.2));
    p.drawLine(QPointF(14.5, 19), QPointF(17, 15));
    p.drawLine(QPointF(17, 15), QPointF(19.5, 19));
}

void paintBulbBase(QPainter& p) {
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(200, 214, 205));
    p.drawRoundedRect(QRectF(12.5, 25, 9, 7.5), 1.5, 1.5);
    p.drawLine(QPointF(12.5, 28.5), QPointF(21.5, 28.5));
}

// The game writes the count at (30, 20) of the button; a dark disc keeps it
// readable over the bright button.
void paintCountBadge(QPainter& p) {
    p.setPen(QPen(QColor(150, 255, 180, 200), 1));
    p.setBrush(QColor(0, 30, 10, 235));
    p.drawRoundedRect(QRectF(27.5, 19.5, 12, 17), 5, 5);
}

QPainterPath pencilOutline() {
    QPainterPath path;
    path.moveTo(-15, -4.5);
    path.lineTo(9, -4.5);
    path.lineTo(16, 0);
    path.lineTo(9, 4.5);
    path.lineTo(-15, 4.5);
    path.closeSubpath();
    return path;
}

void paintPencil(QPainter& p, bool lit) {
    p.save();
    p.translate(19, 21);
    p.rotate(-45);
    const QPainterPath outline = pencilOutline();
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(lit ? QColor(255, 206, 60) : QColor(170, 190, 176));
    p.drawPath(outline);
    p.setClipPath(outline);
    p.fillRect(QRectF(9, -5, 8, 10), lit ? QColor(250, 226, 190) : QColor(215, 222, 216));
    p.fillRect(QRectF(13.5, -5, 4, 10), QColor(40, 40, 40));
    p.fillRect(QRectF(-15, -5, 6, 10), lit ? QColor(250, 120, 140) : QColor(150, 150, 150));
    p.fillRect(QRectF(-15, -4.5, 25, 3), QColor(255, 255, 255, 70));
    p.setClipping(false);
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    p.restore();
}

void paintTick(QPainter& p, const QPointF& at) {
    QPainterPath tick;
    tick.moveTo(at + QPointF(0, 4));
    tick.lineTo(at + QPointF(4, 8));
    tick.lineTo(at + QPointF(11, 0));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(QColor(255, 255, 255), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

void paintBox(QPainter& p, const QRectF& box) {
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.4));
    p.setBrush(QColor(0, 30, 10, 150));
    p.drawRoundedRect(box, 2, 2);
}

} // namespace

QImage eraserIcon() {
    QImage image = canvas(kButton, kButton);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(230, 255, 236), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 33.5), QPointF(33, 33.5));
    paintEraserBody(p);
    return image;
}

QImage hintIcon() {
    QImage image = canvas(kButton, kButton);
    QImage glowShape = canvas(kButton, kButton);
    {
        QPainter g(&glowShape);
        g.setRenderHint(QPainter::Antialiasing);
        g.setBrush(Qt::white);
        g.setPen(Qt::NoPen);
        g.drawEllipse(QPointF(17, 14), 10, 10);
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlow(p, glowShape, QColor(255, 240, 150), 5, 1.0);
    paintBulb(p);
    paintBulbBase(p);
    paintCountBadge(p);
    return image;
}

QImage pencilSwitch() {
    QImage image = canvas(2 * kButton, kButton);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintBox(p, QRectF(24.5, 24.5, 11, 11));
    paintPencil(p, false);
    p.translate(kButton, 0);
    paintBox(p, QRectF(24.5, 24.5, 11, 11));
    paintPencil(p, true);
    paintTick(p, QPointF(24.5, 22.5));
    return image;
}

} // namespace art
