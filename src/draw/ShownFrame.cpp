#include "draw/ShownFrame.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Small enough that a moving glyph or line sends little, large enough that comparing
// costs far less than sending.
constexpr int TileWidth = 32;
constexpr int TileHeight = 8;

} // namespace

QRegion ShownFrame::Update(const QImage& frame) {
    if (shown.size() != frame.size() || shown.format() != frame.format()) {
        shown = frame.copy();
        return QRegion(frame.rect());
    }
    // Changed tiles next to each other in a band are joined, which also keeps the rectangles
    // in the banded order a region is built from.
    std::vector<QRect> changed;
    const int bytesPerPixel = frame.depth() / 8;
    for (int top = 0; top < frame.height(); top += TileHeight) {
        const int bottom = std::min(top + TileHeight, frame.height());
        for (int left = 0; left < frame.width(); left += TileWidth) {
            const int width = std::min(TileWidth, frame.width() - left);
            const auto bytes = static_cast<size_t>(width * bytesPerPixel);
            const auto offset = static_cast<size_t>(left * bytesPerPixel);
            bool differs = false;
            for (int y = top; y < bottom && !differs; ++y)
                differs = std::memcmp(frame.constScanLine(y) + offset,
                                      shown.constScanLine(y) + offset, bytes) != 0;
            if (!differs) continue;
            for (int y = top; y < bottom; ++y)
                std::memcpy(shown.scanLine(y) + offset, frame.constScanLine(y) + offset, bytes);
            const QRect tile(left, top, width, bottom - top);
            if (!changed.empty() && changed.back().top() == top &&
                changed.back().right() + 1 == left)
                changed.back().setRight(tile.right());
            else
                changed.push_back(tile);
        }
    }
    QRegion region;
    region.setRects(changed.data(), static_cast<int>(changed.size()));
    return region;
}
