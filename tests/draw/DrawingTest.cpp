#include "draw/Drawing.h"
#include "draw/Shapes.h"
#include "draw/Text.h"
#include "support/AppFixture.h"
#include "support/Ink.h"

#include <QTemporaryDir>
#include <tuple>

namespace {

bool Bright(QRgb p) { return qRed(p) > 128; }

class DrawingTest : public AppFixture {
protected:
    // A 4x1 image: magenta, opaque red, half-transparent blue, opaque green.
    ImageHandle TestImage() {
        QImage image(4, 1, QImage::Format_ARGB32);
        for (int x = 0; const QRgb colour : {qRgba(255, 0, 255, 255), qRgba(255, 0, 0, 255),
                                             qRgba(0, 0, 255, 128), qRgba(0, 255, 0, 255)})
            image.setPixel(x++, 0, colour);
        const QString path = dir.filePath("test.png");
        image.save(path);
        return LoadImage(path.toStdString());
    }

    static void Clear(QRgb color) { Drawing().SpeedBuffer.fill(color); }

    QTemporaryDir dir;
};

// An image drawn at an opacity below one must leave the opacity as it was for what follows.
TEST_F(DrawingTest, ColourKeyOpacityColourOrderAndMissingImages) {
    const ImageHandle image = TestImage();
    Clear(qRgb(255, 255, 255));
    DrawImagePart(image, 10, 10, 4, 1, 0, 0, 1.0f, TransparentKey);
    EXPECT_EQ(Pixel(10, 10), qRgb(255, 255, 255)) << "magenta is not drawn";
    EXPECT_EQ(Pixel(11, 10), qRgb(255, 0, 0));

    DrawImagePart(image, 10, 20, 4, 1, 0, 0);
    EXPECT_EQ(Pixel(10, 20), qRgb(255, 0, 255)) << "without a key magenta is drawn";

    Clear(qRgb(0, 0, 0));
    DrawImagePart(image, 0, 0, 4, 1, 0, 0, 0.5f);
    EXPECT_NEAR(qRed(Pixel(1, 0)), 128, 2);
    EXPECT_EQ(qGreen(Pixel(1, 0)), 0);
    FillRectWith(10, 0, 1, 1, MakeSolidBrush(0, 0, 255, 255));
    EXPECT_EQ(Pixel(10, 0), qRgba(255, 0, 0, 255)) << "a later fill is fully opaque";
    // Alpha, then blue, green and red, each clamped to a byte.
    EXPECT_EQ(MakeColor(128, 300, 0x34, -5), 0x800034FFu);

    const ImageHandle missing = LoadImage(dir.filePath("nothing.png").toStdString());
    EXPECT_EQ(missing, nullptr);
    Clear(qRgb(1, 2, 3));
    DrawImagePart(missing, 0, 0, 10, 10, 0, 0, 0.5f, TransparentKey);
    DrawCached(missing, 0, 0);
    EXPECT_EQ(Pixel(5, 5), qRgb(1, 2, 3));
}

// The pressed fill is at least 200 alpha, the resting fill at most 128; a share of a pixel
// rounds half to even (2.5 to 2, 49.5 and a little to 50).
TEST_F(DrawingTest, ProgressBarFillsRoundedShareWithThePressedBrush) {
    const std::tuple<int, float, int> bars[] = {
        {300, 0.5f, 150}, {5, 0.5f, 2}, {150, 0.33f, 50}, {100, 0.0f, 0}, {100, 1.0f, 100}};
    for (const auto& [width, share, filled] : bars) {
        Clear(qRgba(0, 0, 0, 0));
        DrawProgressBar(200, 250, width, 20, share);
        EXPECT_EQ(CountPixels(QRect(200, 255, width, 1), [](QRgb p) { return qAlpha(p) >= 180; }),
                  filled)
            << width << " x " << share;
        EXPECT_GT(qAlpha(Pixel(200 + width - 1, 255)), 0) << "the rest translucent";
    }
}

TEST_F(DrawingTest, TextNeedsFontAndColourAndHonoursLineBreaks) {
    // Where anything but the black ground shows after drawing the text.
    auto inked = [](const QString& text) {
        Clear(qRgb(0, 0, 0));
        DrawText(10, 10, text);
        return InkBox(QRect(0, 0, 400, 200), [](QRgb p) { return p != qRgb(0, 0, 0); });
    };
    EXPECT_FALSE(inked("X").isValid()) << "no font chosen yet";
    SetTextColor(255, 255, 255, 255);
    EXPECT_FALSE(inked("X").isValid()) << "still no font";

    SetFont("Arial", 20, FontBold);
    const QRect one = inked("I"), two = inked("I\r\nI");
    EXPECT_EQ(one.top(), two.top());
    EXPECT_GT(two.bottom(), one.bottom() + 20) << "the second line is drawn below the first";

    // A missing family keeps the font chosen before it.
    const int large = inked("WWWW").right();
    SetFont("No Such Family Anywhere", 8, FontRegular);
    EXPECT_EQ(inked("WWWW").right(), large);
    SetFont("Arial", 8, FontRegular);
    EXPECT_LT(inked("WWWW").right(), large);
}

// Ten hours of a training clock are 36,000 texts: the caches keep a bounded number, and
// the latest text still draws.
TEST_F(DrawingTest, TextCachesStayBoundedWhileTheClockRuns) {
    SetFont("Arial Black", 10, FontRegular);
    SetTextColor(255, 255, 255, 255);
    for (int second = 0; second < 36000; ++second) {
        const QString reading =
            QString::asprintf("%02d:%02d:%02d", second / 3600, second / 60 % 60, second % 60);
        DrawText(10, 10, reading);
        DrawTextOnBlack(10, 40, reading);
    }
    EXPECT_LT(CachedTexts(), 3u * 2048u);
    Clear(qRgb(0, 0, 0));
    DrawText(10, 10, QStringLiteral("09:59:59"));
    EXPECT_GT(CountPixels(QRect(0, 0, 120, 40), Bright), 0);
}

TEST_F(DrawingTest, AfterShutdownEveryDrawingCallDoesNothing) {
    const ImageHandle image = TestImage();
    SetFont(QStringLiteral("Arial"), 12, FontBold);
    SetTextColor(255, 255, 255, 255);
    Clear(qRgba(0, 0, 0, 0));
    const QImage before = Drawing().SpeedBuffer.copy();
    StopDrawing();
    SetFont(QStringLiteral("Arial"), 12, FontBold);
    SetTextColor(255, 255, 255, 255);
    DrawText(10, 10, QStringLiteral("after"));
    FillRectWith(0, 0, 50, 50, Drawing().ButtonBrushDown[0]);
    FillRectBlack(0, 0, 50, 50);
    DrawRectOutline(5, 5, 20, 20, 0xFFFFFFFF, 1);
    DrawLine(0xFFFFFFFF, 1, 0, 0, 40, 0);
    DrawLine(0xFFFFFFFF, 2.5f, 0, 0, 40, 40);
    DrawProgressBar(0, 0, 100, 10, 0.5f);
    DrawCached(image, 0, 0);
    DrawImagePart(image, 0, 0, 4, 1, 0, 0, 0.5f, TransparentKey);
    PresentBuffer();
    EXPECT_EQ(Drawing().SpeedBuffer, before);
    EXPECT_TRUE(texts.empty());
}

} // namespace
