#include "Backdrop.h"

#include "ArtKit.h"
#include "Rng.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace art {

namespace {

void paintNight(QPainter& p, int width, int height) {
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(6, 20, 11));
    sky.setColorAt(1.0, QColor(1, 6, 3));
    p.fillRect(0, 0, width, height, sky);
    QRadialGradient haze(width * 0.62, height * 0.5, width * 0.55);
    haze.setColorAt(0.0, QColor(20, 80, 40, 90));
    haze.setColorAt(1.0, QColor(20, 80, 40, 0));
    p.fillRect(0, 0, width, height, haze);
}

// Columns of dim digits, each fading towards its top like a falling trail.
void paintRain(QPainter& p, int width, int height, unsigned seed) {
    Rng rng(seed);
    p.setFont(font(QStringLiteral("DejaVu Sans Mono"), 12));
    for (int x = 2; x < width; x += 16) {
        if (rng.uniform() < 0.35) continue;
        const int length = 8 + rng.below(18);
        const int head = rng.below(height / 18 + length);
        for (int i = 0; i < length; ++i) {
            const int row = head - i;
            if (row < 0 || row * 18 > height) continue;
            const int alpha = 4 + (30 * (length - i)) / length;
            p.setPen(QColor(60, 220, 110, alpha));
            p.drawText(x, row * 18 + 14, QString(QChar('0' + rng.below(10))));
        }
    }
}

} // namespace

QImage backdrop(int width, int height, unsigned seed) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintNight(p, width, height);
    paintRain(p, width, height, seed);
    return image;
}

} // namespace art
