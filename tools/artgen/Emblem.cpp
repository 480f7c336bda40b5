#include "Emblem.h"

#include "ArtKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace art {

namespace {

// Digits of the emblem's box; the centre one is lit.
const char* const kDigits = "529"
                            "371"
                            "846";

void paintTile(QPainter& p, double size) {
    const QRectF tile(size * 0.04, size * 0.04, size * 0.92, size * 0.92);
    QLinearGradient fill(0, tile.top(), 0, tile.bottom());
    fill.setColorAt(0.0, QColor(16, 60, 30));
    fill.setColorAt(1.0, QColor(2, 16, 8));
    p.setPen(QPen(QColor(120, 255, 165), size * 0.03));
    p.setBrush(fill);
    p.drawRoundedRect(tile, size * 0.14, size * 0.14);
}

void paintBox(QPainter& p, double size) {
    const double cell = size * 0.22;
    const double gap = size * 0.025;
    const double left = (size - 3 * cell - 2 * gap) / 2;
    p.setFont(font(QStringLiteral("DejaVu Sans"), static_cast<int>(cell * 0.72), QFont::Bold));
    for (int i = 0; i < 9; ++i) {
        const QRectF r(left + (i % 3) * (cell + gap), left + (i / 3) * (cell + gap), cell, cell);
        const bool lit = i == 4;
        p.setPen(Qt::NoPen);
        p.setBrush(lit ? QColor(110, 255, 160) : QColor(30, 100, 55));
        p.drawRoundedRect(r, cell * 0.12, cell * 0.12);
        // Digits a few pixels high are only noise; small icons show the lit box alone.
        if (cell < 10) continue;
        p.setPen(lit ? QColor(0, 40, 14) : QColor(200, 255, 215));
        p.drawText(r, Qt::AlignCenter, QString(QChar(kDigits[i])));
    }
}

QImage emblem(int size, bool opaque) {
    QImage image = canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (opaque) p.fillRect(0, 0, size, size, QColor(22, 38, 26));
    paintTile(p, size);
    paintBox(p, size);
    return image;
}

} // namespace

void writeDesktopIcons(const QString& iconsDir, const QString& name) {
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(iconsDir).arg(size);
        save(emblem(size, false), folder + "/" + name + ".png");
    }
}

void writeEmblem(const QString& outDir) {
    // The credits show this picture on the win panel without transparency.
    save(emblem(100, true).convertToFormat(QImage::Format_RGB32), outDir + "/resd.cng", "PNG");
    save(emblem(64, false), outDir + "/icon.png");
}

} // namespace art
