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
    // in the banded order a region is built from. Whole rows are compared first: most of a
    // frame is the same as the last.
    std::vector<QRect> changed;
    const int bytesPerPixel = frame.depth() / 8;
    const auto rowBytes = static_cast<size_t>(frame.width() * bytesPerPixel);
    const auto tileBytes = static_cast<size_t>(TileWidth * bytesPerPixel);
    const int tiles = (frame.width() + TileWidth - 1) / TileWidth;
    std::vector<bool> dirty(static_cast<size_t>(tiles));
    for (int top = 0; top < frame.height(); top += TileHeight) {
        const int bottom = std::min(top + TileHeight, frame.height());
        std::fill(dirty.begin(), dirty.end(), false);
        bool any = false;
        for (int y = top; y < bottom; ++y) {
            const uchar* now = frame.constScanLine(y);
            const uchar* was = shown.constScanLine(y);
            if (std::memcmp(now, was, rowBytes) == 0) continue;
            any = true;
            for (size_t t = 0; t < dirty.size(); ++t) {
                const size_t offset = t * tileBytes;
                dirty[t] = dirty[t] || std::memcmp(now + offset, was + offset,
                                                   std::min(tileBytes, rowBytes - offset)) != 0;
            }
        }
        if (!any) continue;
        for (int t = 0; t < tiles; ++t) {
            if (!dirty[static_cast<size_t>(t)]) continue;
            const int left = t * TileWidth;
            const int width = std::min(TileWidth, frame.width() - left);
            const auto offset = static_cast<size_t>(left * bytesPerPixel);
            const auto bytes = static_cast<size_t>(width * bytesPerPixel);
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
