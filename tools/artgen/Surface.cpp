#include "Surface.h"

#include "ArtKit.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace art {

namespace {

constexpr int kTile = 58;
// The dialogs show these pictures on their dark green panels.
const QColor kPanel(30, 45, 32);

void paintDisc(QPainter& p, const QColor& rim) {
    const QPointF c(kTile / 2.0, kTile / 2.0);
    QRadialGradient fill(c.x(), c.y() - 8, 30);
    fill.setColorAt(0.0, QColor(30, 90, 50));
    fill.setColorAt(1.0, QColor(4, 26, 12));
    p.setPen(QPen(rim, 2.5));
    p.setBrush(fill);
    p.drawEllipse(c, 23, 23);
}

QImage pauseSign() {
    QImage image = canvas(kTile, kTile);
    QImage ring = canvas(kTile, kTile);
    {
        QPainter r(&ring);
        r.setRenderHint(QPainter::Antialiasing);
        r.setPen(QPen(Qt::white, 4));
        r.drawEllipse(QPointF(29, 29), 23, 23);
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlow(p, ring, QColor(80, 255, 130), 6, 1.2);
    paintDisc(p, QColor(140, 255, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 255, 220));
    p.drawRoundedRect(QRectF(20, 17, 6.5, 24), 2, 2);
    p.drawRoundedRect(QRectF(31.5, 17, 6.5, 24), 2, 2);
    return image;
}

QPainterPath starPath(const QPointF& centre, double outer, double inner) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    return star;
}

QImage winStar() {
    const QPainterPath star = starPath(QPointF(29, 30.5), 19, 8);
    QImage shape = canvas(kTile, kTile);
    {
        QPainter s(&shape);
        s.setRenderHint(QPainter::Antialiasing);
        s.setPen(QPen(Qt::white, 4));
        s.drawEllipse(QPointF(29, 29), 23, 23);
        s.fillPath(star, Qt::white);
    }
    QImage image = canvas(kTile, kTile);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlow(p, shape, QColor(255, 220, 90), 6, 1.1);
    paintDisc(p, QColor(255, 225, 120));
    QRadialGradient gold(29, 24, 20);
    gold.setColorAt(0.0, QColor(255, 250, 200));
    gold.setColorAt(0.6, QColor(255, 205, 60));
    gold.setColorAt(1.0, QColor(210, 140, 20));
    p.setPen(QPen(QColor(90, 50, 0), 1.2));
    p.setBrush(gold);
    p.drawPath(star);
    return image;
}

// Drawn without a key at 20 to 60 % over the clashing cell: a red glow.
QImage clashFlash() {
    QImage image(kTile, kTile, QImage::Format_RGB32);
    QPainter p(&image);
    QRadialGradient fill(kTile / 2.0, kTile / 2.0, kTile * 0.72);
    fill.setColorAt(0.0, QColor(255, 210, 110));
    fill.setColorAt(0.45, QColor(255, 110, 40));
    fill.setColorAt(1.0, QColor(170, 20, 10));
    p.fillRect(0, 0, kTile, kTile, fill);
    return image;
}

} // namespace

void writeSurface(const QString& outDir) {
    QImage strip(3 * kTile, kTile, QImage::Format_RGB32);
    QPainter p(&strip);
    p.drawImage(0, 0, keyed(pauseSign(), kPanel));
    p.drawImage(kTile, 0, keyed(winStar(), kPanel));
    p.drawImage(2 * kTile, 0, clashFlash());
    p.end();
    save(strip, outDir + "/surf/sea/222.bmp");
}

} // namespace art
