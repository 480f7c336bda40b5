#include "common/AppState.h"
#include "common/GameClock.h"
#include "shell/Picture1.h"
#include "support/AppFixture.h"
#include "widgets/clsNumber.h"

#include <QPainter>

namespace {

using ShellTest = AppFixture;

TEST(VersionText, MinorAndRevisionAreWrittenWithoutSeparator) {
    EXPECT_EQ(MakeVersionText(1, 4, 2), "1.42");
    EXPECT_EQ(MakeVersionText(3, 10, 0), "3.100");
}

TEST_F(ShellTest, ClockCountsFortyTicksPerSecondUpTo99Hours) {
    ClockState& clock = Clock();
    Tick(100);
    EXPECT_EQ(clock.ct_s, 0) << "stopped clock does not count";

    clock.ctimer = true;
    Tick(39);
    EXPECT_EQ(clock.ct_s, 0);
    Tick(1);
    EXPECT_EQ(clock.ct_s, 1) << "a clock second is 40 ticks of 25 ms";

    // It stops where its two digits of hours end, rather than wrap below zero.
    clock.ct_h = 99;
    clock.ct_m = 59;
    clock.ct_s = 58;
    Tick(3 * 40);
    EXPECT_EQ(clsNumber::ClockText(clock.ct_h, clock.ct_m, clock.ct_s), "99:59:59");
}

// What the drawing area puts on a screen of the given pixel ratio.
QImage ShownAt(const QImage& surface, qreal ratio) {
    QImage shown(QSize(791, 608) * ratio, QImage::Format_ARGB32_Premultiplied);
    shown.setDevicePixelRatio(ratio);
    QPainter painter(&shown);
    PaintSurface(painter, surface, QRect(0, 0, 791, 608));
    return shown;
}

TEST(DrawingArea, HighDensityScreensShowTheSurfaceSmoothedAndOthersPixelForPixel) {
    QImage surface(800, 608, QImage::Format_ARGB32_Premultiplied);
    surface.fill(Qt::black);
    QPainter(&surface).fillRect(400, 0, 400, 608, Qt::white);
    EXPECT_EQ(ShownAt(surface, 1), surface.copy(0, 0, 791, 608));

    const QImage doubled = ShownAt(surface, 2);
    EXPECT_EQ(qGray(doubled.pixel(40, 300)), 0);
    EXPECT_EQ(qGray(doubled.pixel(1500, 300)), 255) << "the window keeps its size on screen";
    int between = 0;
    for (int x = 790; x < 810; ++x) {
        const int grey = qGray(doubled.pixel(x, 300));
        between += grey > 0 && grey < 255;
    }
    EXPECT_GT(between, 0) << "the edge is filtered, not doubled pixels";
}

} // namespace
