#include "draw/ShownFrame.h"

#include <gtest/gtest.h>

namespace {

QImage Frame() {
    QImage frame(100, 30, QImage::Format_ARGB32_Premultiplied);
    frame.fill(qRgb(10, 20, 30));
    return frame;
}

TEST(ShownFrame, SendsOnlyTheTilesThatChanged) {
    ShownFrame shown;
    QImage frame = Frame();
    EXPECT_EQ(shown.Update(frame), QRegion(0, 0, 100, 30)) << "the first frame is sent whole";
    EXPECT_TRUE(shown.Update(frame).isEmpty()) << "an unchanged frame sends nothing";

    frame.setPixel(40, 9, qRgb(255, 0, 0));
    EXPECT_EQ(shown.Update(frame), QRegion(32, 8, 32, 8));
    EXPECT_TRUE(shown.Update(frame).isEmpty()) << "the change is now what the window shows";

    // Changes in the last, narrower tiles; two tiles side by side join.
    frame.setPixel(99, 29, qRgb(0, 255, 0));
    frame.setPixel(0, 29, qRgb(0, 255, 0));
    frame.setPixel(33, 29, qRgb(0, 255, 0));
    EXPECT_EQ(shown.Update(frame), QRegion(0, 24, 64, 6) + QRegion(96, 24, 4, 6));

    const QImage bigger(120, 30, QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(shown.Update(bigger), QRegion(0, 0, 120, 30)) << "a new size is sent whole";
}

} // namespace
