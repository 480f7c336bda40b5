#include "Blocks.h"

#include "ArtKit.h"
#include "Layout.h"
#include "Shades.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace art {

namespace {

constexpr int kSize = layout::kCellSize;
// Fairly opaque: the game paints a hovered cell's shade a second time, and
// the little the first coat lets through is what makes the hover visible.
constexpr int kShadeAlpha = 205;

void strokeLines(QPainter& p, double spacing, double dx, double dy) {
    for (double t = -kSize * 2; t < kSize * 2; t += spacing) {
        p.drawLine(QPointF(t, 0), QPointF(t + dx, dy));
    }
}

void paintWaves(QPainter& p) {
    for (double y = 4; y < kSize + 6; y += 8) {
        QPainterPath wave;
        wave.moveTo(0, y);
        for (double x = 0; x <= kSize; x += 1)
            wave.lineTo(x, y + 2.2 * std::sin(x * 2 * M_PI / 14));
        p.drawPath(wave);
    }
}

void paintBricks(QPainter& p) {
    for (int row = 0; row * 10 < kSize; ++row) {
        const double y = row * 10 + 0.5;
        p.drawLine(QPointF(0, y), QPointF(kSize, y));
        for (double x = (row % 2) * 10 + 0.5; x < kSize; x += 20)
            p.drawLine(QPointF(x, y), QPointF(x, y + 10));
    }
}

void paintChecks(QPainter& p, const QColor& ink) {
    for (int y = 0; y < kSize; y += 6) {
        for (int x = (y / 6 % 2) * 6; x < kSize; x += 12)
            p.fillRect(x, y, 6, 6, ink);
    }
}

void paintDots(QPainter& p, const QColor& ink) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (int y = 4; y < kSize; y += 8) {
        for (int x = 4 + (y / 8 % 2) * 4; x < kSize; x += 8)
            p.drawEllipse(QPointF(x, y), 1.3, 1.3);
    }
}

void paintPattern(QPainter& p, Pattern pattern) {
    const QColor ink(255, 255, 255, 30);
    p.setPen(QPen(ink, 1));
    switch (pattern) {
    case Pattern::Plain: break;
    case Pattern::Diagonal: strokeLines(p, 7, kSize, kSize); break;
    case Pattern::Dots: paintDots(p, QColor(255, 255, 255, 50)); break;
    case Pattern::Rows:
        for (double y = 2.5; y < kSize; y += 5)
            p.drawLine(QPointF(0, y), QPointF(kSize, y));
        break;
    case Pattern::Hatch:
        strokeLines(p, 9, kSize, kSize);
        strokeLines(p, 9, -kSize, kSize);
        break;
    case Pattern::Columns:
        for (double x = 2.5; x < kSize; x += 5)
            p.drawLine(QPointF(x, 0), QPointF(x, kSize));
        break;
    case Pattern::Checks: paintChecks(p, QColor(255, 255, 255, 16)); break;
    case Pattern::Bricks: paintBricks(p); break;
    case Pattern::Waves: paintWaves(p); break;
    }
}

// Light from above: a brighter top edge, a darker foot and darker corners.
void paintRelief(QPainter& p) {
    QLinearGradient sheen(0, 0, 0, kSize);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 34));
    sheen.setColorAt(0.45, QColor(255, 255, 255, 0));
    sheen.setColorAt(1.0, QColor(0, 0, 0, 60));
    p.fillRect(0, 0, kSize, kSize, sheen);
    QRadialGradient corners(kSize / 2.0, kSize / 2.0, kSize * 0.75);
    corners.setColorAt(0.6, QColor(0, 0, 0, 0));
    corners.setColorAt(1.0, QColor(0, 0, 0, 70));
    p.fillRect(0, 0, kSize, kSize, corners);
    p.fillRect(0, 0, kSize, 1, QColor(255, 255, 255, 60));
    p.fillRect(0, 1, 1, kSize - 1, QColor(255, 255, 255, 30));
    p.fillRect(kSize - 1, 1, 1, kSize - 1, QColor(0, 0, 0, 70));
    p.fillRect(0, kSize - 1, kSize, 1, QColor(0, 0, 0, 90));
}

QImage drawShade(const Shade& shade) {
    QImage tile = canvas(kSize, kSize);
    QPainter p(&tile);
    p.fillRect(0, 0, kSize, kSize, shade.base);
    p.setRenderHint(QPainter::Antialiasing);
    paintPattern(p, shade.pattern);
    p.setRenderHint(QPainter::Antialiasing, false);
    paintRelief(p);
    p.end();
    QImage result = canvas(kSize, kSize);
    QPainter out(&result);
    out.setOpacity(kShadeAlpha / 255.0);
    out.drawImage(0, 0, tile);
    return result;
}

// Light enough that the black digits of highlighted cells read on it.
QImage drawHighlight() {
    QImage image = canvas(kSize, kSize);
    QPainter p(&image);
    QLinearGradient fill(0, 0, 0, kSize);
    fill.setColorAt(0.0, QColor(170, 255, 190, 150));
    fill.setColorAt(1.0, QColor(120, 240, 150, 125));
    p.fillRect(0, 0, kSize, kSize, fill);
    p.setPen(QPen(QColor(210, 255, 220, 170), 2));
    p.drawRect(QRectF(1, 1, kSize - 2, kSize - 2));
    return image;
}

} // namespace

void writeBlocks(const QString& outDir) {
    for (std::size_t i = 0; i < kShades.size(); ++i)
        save(drawShade(kShades[i]), outDir + QStringLiteral("/block%1.png").arg(i + 1));
    save(drawHighlight(), outDir + "/bf.png");
}

} // namespace art
