#include "Title.h"

#include "ArtKit.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace art {

namespace {

// The light sweeps 16-pixel strips at offsets 0..320, so 336 pixels are lit.
constexpr int kWidth = 336;
constexpr int kHeight = 55;
const QString kName = QStringLiteral("Korvel Sudoku");

QPainterPath namePath() {
    // Largest size that leaves room for the glow on every side.
    QFont f = font(QStringLiteral("DejaVu Sans"), 44, QFont::Bold);
    while (QFontMetricsF(f).horizontalAdvance(kName) > kWidth - 20)
        f.setPixelSize(f.pixelSize() - 1);
    const QFontMetricsF metrics(f);
    QPainterPath path;
    const double x = (kWidth - metrics.horizontalAdvance(kName)) / 2;
    const double baseline = (kHeight + metrics.capHeight()) / 2;
    path.addText(x, baseline, f, kName);
    return path;
}

struct TitleLook {
    QColor top, middle, bottom, glow;
    int glowRadius;
    double glowStrength;
};

QImage drawName(const TitleLook& look) {
    const QPainterPath path = namePath();
    QImage shape = canvas(kWidth, kHeight);
    {
        QPainter p(&shape);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(path, Qt::white);
        p.strokePath(path, QPen(Qt::white, 3));
    }
    QImage image = canvas(kWidth, kHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlow(p, shape, look.glow, look.glowRadius, look.glowStrength);
    p.strokePath(path, QPen(QColor(0, 24, 10, 230), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QRectF box = path.boundingRect();
    QLinearGradient fill(0, box.top(), 0, box.bottom());
    fill.setColorAt(0.0, look.top);
    fill.setColorAt(0.5, look.middle);
    fill.setColorAt(1.0, look.bottom);
    p.fillPath(path, fill);
    // A thin sheen along the upper half gives the letters some depth.
    p.setClipPath(path);
    p.fillRect(QRectF(0, box.top(), kWidth, box.height() * 0.42), QColor(255, 255, 255, 40));
    return image;
}

} // namespace

void writeTitle(const QString& outDir) {
    const TitleLook plain{QColor(170, 240, 190),
                          QColor(60, 200, 100),
                          QColor(20, 110, 50),
                          QColor(40, 200, 90),
                          8,
                          0.9};
    const TitleLook lit{QColor(255, 255, 255),
                        QColor(200, 255, 215),
                        QColor(90, 255, 140),
                        QColor(150, 255, 180),
                        10,
                        1.8};
    save(drawName(plain), outDir + "/title.png");
    save(drawName(lit), outDir + "/titlel.png");
}

} // namespace art
