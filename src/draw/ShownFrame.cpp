#include "draw/ShownFrame.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Small enough that a moving glyph or line sends little, large enough that comparing
// costs far less than sending.
constexpr int TileWidth = 32;
constexpr int TileHeight = 8;

// The tiles of each band of tile rows that meet the area, in order.
std::vector<std::vector<int>> TilesMeeting(const QRegion& area, const QSize& size) {
    const int tiles = (size.width() + TileWidth - 1) / TileWidth;
    const int bands = (size.height() + TileHeight - 1) / TileHeight;
    std::vector<uint8_t> meets(static_cast<size_t>(tiles * bands));
    for (const QRect& part : area) {
        const QRect inside = part.intersected(QRect(QPoint(0, 0), size));
        if (inside.isEmpty()) continue;
        for (int band = inside.top() / TileHeight; band <= inside.bottom() / TileHeight; ++band) {
            for (int t = inside.left() / TileWidth; t <= inside.right() / TileWidth; ++t)
                meets[static_cast<size_t>(band * tiles + t)] = 1;
        }
    }
    std::vector<std::vector<int>> lists(static_cast<size_t>(bands));
    for (int band = 0; band < bands; ++band) {
        for (int t = 0; t < tiles; ++t) {
            if (meets[static_cast<size_t>(band * tiles + t)])
                lists[static_cast<size_t>(band)].push_back(t);
        }
    }
    return lists;
}

} // namespace

QRegion ShownFrame::Update(const QImage& frame) { return Update(frame, QRegion(frame.rect())); }

QRegion ShownFrame::Update(const QImage& frame, const QRegion& area) {
    if (shown.size() != frame.size() || shown.format() != frame.format()) {
        shown = frame.copy();
        return QRegion(frame.rect());
    }
    const std::vector<std::vector<int>> meets = TilesMeeting(area, frame.size());
    // Changed tiles next to each other in a band are joined, which also keeps the rectangles
    // in the banded order a region is built from. Whole rows are compared first: most of a
    // frame is the same as the last. A band that the area only touches compares just the
    // tiles it meets.
    std::vector<QRect> changed;
    const int bytesPerPixel = frame.depth() / 8;
    const auto rowBytes = static_cast<size_t>(frame.width() * bytesPerPixel);
    const int tiles = (frame.width() + TileWidth - 1) / TileWidth;
    std::vector<int> rows;
    std::vector<int> dirty;
    for (int top = 0; top < frame.height(); top += TileHeight) {
        const std::vector<int>& candidates = meets[static_cast<size_t>(top / TileHeight)];
        if (candidates.empty()) continue;
        const bool wholeBand = static_cast<int>(candidates.size()) == tiles;
        const int bottom = std::min(top + TileHeight, frame.height());
        rows.clear();
        for (int y = top; y < bottom; ++y) {
            if (!wholeBand ||
                std::memcmp(frame.constScanLine(y), shown.constScanLine(y), rowBytes) != 0)
                rows.push_back(y);
        }
        dirty.clear();
        for (int t : candidates) {
            const int left = t * TileWidth;
            const auto offset = static_cast<size_t>(left * bytesPerPixel);
            const auto bytes =
                static_cast<size_t>(std::min(TileWidth, frame.width() - left) * bytesPerPixel);
            for (int y : rows) {
                if (std::memcmp(frame.constScanLine(y) + offset, shown.constScanLine(y) + offset,
                                bytes) != 0) {
                    dirty.push_back(t);
                    break;
                }
            }
        }
        for (int t : dirty) {
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
