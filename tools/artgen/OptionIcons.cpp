#include "OptionIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace art::icons {

namespace {

const QColor kInk(150, 240, 175);

QPen inkPen(double width) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

} // namespace

void speaker(QPainter& p, const QRectF& box) {
    const double x = box.left();
    const double cy = box.center().y();
    QPainterPath body;
    body.moveTo(x + 1, cy - 3);
    body.lineTo(x + 5, cy - 3);
    body.lineTo(x + 10, cy - 8);
    body.lineTo(x + 10, cy + 8);
    body.lineTo(x + 5, cy + 3);
    body.lineTo(x + 1, cy + 3);
    body.closeSubpath();
    p.fillPath(body, kInk);
    p.setPen(inkPen(1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(x + 6, cy - 5, 10, 10), -50 * 16, 100 * 16);
    p.drawArc(QRectF(x + 4, cy - 9, 18, 18), -50 * 16, 100 * 16);
}

void musicNote(QPainter& p, const QRectF& box) {
    const double x = box.left();
    const double y = box.top();
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QRectF(x + 1, y + 12, 7, 5.5));
    p.drawEllipse(QRectF(x + 12, y + 10, 7, 5.5));
    p.setPen(inkPen(1.8));
    p.drawLine(QPointF(x + 7.4, y + 14), QPointF(x + 7.4, y + 3));
    p.drawLine(QPointF(x + 18.4, y + 12), QPointF(x + 18.4, y + 1));
    p.setPen(inkPen(3));
    p.drawLine(QPointF(x + 7.4, y + 3), QPointF(x + 18.4, y + 1));
}

void keypad(QPainter& p, const QRectF& box) {
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c)
            p.drawRoundedRect(QRectF(box.left() + 2 + 6 * c, box.top() + 1 + 6 * r, 4.5, 4.5), 1,
                              1);
    }
}

void crosshair(QPainter& p, const QRectF& box) {
    const QPointF c(box.left() + 10, box.center().y());
    p.setPen(inkPen(1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 6.5, 6.5);
    p.drawLine(c - QPointF(9.5, 0), c - QPointF(4, 0));
    p.drawLine(c + QPointF(4, 0), c + QPointF(9.5, 0));
    p.drawLine(c - QPointF(0, 9.5), c - QPointF(0, 4));
    p.drawLine(c + QPointF(0, 4), c + QPointF(0, 9.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(c, 1.6, 1.6);
}

} // namespace art::icons
