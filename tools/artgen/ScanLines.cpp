#include "ScanLines.h"

#include "ArtKit.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr int kWidth = 540;
constexpr int kHeight = 20;

// Fades the line out towards both ends of the board.
double edgeFade(int x) {
    const double fromEdge = std::min(x, kWidth - 1 - x) / 40.0;
    return std::min(1.0, fromEdge);
}

// Brightness of a row, counted from the leading edge of the moving line.
double rowGlow(int fromLead) {
    if (fromLead == 0) return 0.85;
    if (fromLead == 1) return 0.55;
    const double trail = 1.0 - static_cast<double>(fromLead) / kHeight;
    return 0.32 * trail * trail;
}

QImage scanLine(bool movingDown) {
    QImage image = canvas(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        const int fromLead = movingDown ? kHeight - 1 - y : y;
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const double a = rowGlow(fromLead) * edgeFade(x);
            const int alpha = static_cast<int>(255 * a + 0.5);
            const int white = fromLead == 0 ? 200 : 110;
            row[x] = qPremultiply(qRgba(white, 255, (white + 255) / 2, alpha));
        }
    }
    return image;
}

} // namespace

void writeScanLines(const QString& outDir) {
    save(scanLine(true), outDir + "/ln.png");
    save(scanLine(false), outDir + "/ln1.png");
}

} // namespace art
