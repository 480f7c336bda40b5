#pragma once

#include <QImage>
#include <QRegion>

// The frame the window shows now. Each new frame is compared with it in small tiles, so
// only what changed is sent to the screen, and a frame that changed nothing sends nothing.
class ShownFrame {
public:
    // The tiles of frame that differ from the frame shown before (all of it the first
    // time, or after a change of size), which then becomes the frame shown.
    QRegion Update(const QImage& frame);
    // The same for a frame known to differ at most inside area.
    QRegion Update(const QImage& frame, const QRegion& area);

private:
    QImage shown;
};
