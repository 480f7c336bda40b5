#include "widgets/clsNBtn.h"
#include "draw/Drawing.h"
#include "draw/Text.h"
#include "shell/AppState.h"
#include "support/AppFixture.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

class NBtnTest : public AppFixture {
protected:
    static clsNBtn Make(int16_t value, const std::string& file = "") {
        clsNBtn b;
        b.init(file, 40, 40, value);
        b.SetLocation(100, 100);
        return b;
    }

    static QRgb Look(clsNBtn& b, int x, int y) {
        Drawing().SpeedBuffer.fill(qRgb(0, 0, 0));
        SetFont("Impact", 24, FontBold);
        b.Draw();
        return Pixel(x, y);
    }

    // Counts caption-coloured pixels: near white, or near black on the pressed fill.
    static int CaptionInk(bool dark) {
        int n = 0;
        for (int y = 100; y < 140; ++y)
            for (int x = 100; x < 140; ++x) {
                const int gray = qGray(Pixel(x, y));
                if (dark ? gray < 60 : (gray > 150 && qRed(Pixel(x, y)) > 100)) ++n;
            }
        return n;
    }

    // An image with a magenta left half and a blue right half, in a folder of its own.
    std::string WriteKeyedImage() {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(qRgb(0, 0, 255));
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 20; ++x)
                image.setPixel(x, y, qRgb(255, 0, 255));
        QDir(folder.path()).mkpath("res");
        image.save(folder.path() + "/res/key.bmp");
        App().ProgramFolder = folder.path().toStdString();
        return "/res/key.bmp";
    }

    QTemporaryDir folder;
};

TEST_F(NBtnTest, PressedButtonStaysPressedUntilTheScreenReleasesIt) {
    clsNBtn b = Make(3);
    b.MouseMove(120, 120);
    EXPECT_EQ(b.States, 1);
    EXPECT_TRUE(b.MouseDown());
    EXPECT_EQ(b.States, 2);
    b.MouseMove(10, 10);
    EXPECT_EQ(b.States, 2) << "leaving keeps it pressed";
    EXPECT_FALSE(b.MouseDown()) << "pressing it again reports nothing";
    EXPECT_EQ(b.States, 2);
    b.States = 0;
    b.MouseMove(100, 120);
    EXPECT_EQ(b.States, 0) << "edge line is outside";
}

TEST_F(NBtnTest, ForcedPressWorksAnywhereButNotWhenDisabled) {
    clsNBtn b = Make(3);
    EXPECT_FALSE(b.MouseDown());
    EXPECT_TRUE(b.MouseDown(true));
    EXPECT_EQ(b.States, 2);

    b.Enable = false;
    EXPECT_FALSE(b.MouseDown(true));
    EXPECT_EQ(b.States, 0);
    b.States = 1;
    b.MouseMove(120, 120);
    EXPECT_EQ(b.States, 0) << "a disabled button never hovers";
}

TEST_F(NBtnTest, DigitCaptionIsLightAtRestAndDarkWhenPressed) {
    clsNBtn b = Make(7);
    Look(b, 0, 0);
    EXPECT_GT(CaptionInk(false), 20);
    b.States = 2;
    Look(b, 0, 0);
    EXPECT_GT(CaptionInk(true), 20);
    b.Enable = false;
    const QRgb grey = Look(b, 102, 138);
    EXPECT_EQ(qRed(grey), qGreen(grey));
    EXPECT_EQ(CaptionInk(false), 0) << "disabled shows no caption";

    clsNBtn blank = Make(0);
    Look(blank, 0, 0);
    EXPECT_EQ(CaptionInk(false), 0) << "value 0 has no caption";
}

TEST_F(NBtnTest, ImageSkipsMagentaAndShowsOverTheDisabledFill) {
    clsNBtn b = Make(0, WriteKeyedImage());
    const QRgb fill = Look(b, 110, 120);
    EXPECT_NE(fill, qRgb(255, 0, 255));
    EXPECT_GT(qGreen(fill), 0) << "the green fill shows through the magenta";
    EXPECT_EQ(Look(b, 130, 120), qRgb(0, 0, 255));

    b.Enable = false;
    EXPECT_EQ(Look(b, 130, 120), qRgb(0, 0, 255));
    const QRgb grey = Look(b, 110, 120);
    EXPECT_EQ(qRed(grey), qBlue(grey));

    b.init("", 40, 40, 0);
    EXPECT_EQ(Look(b, 130, 120), Look(b, 110, 120)) << "no image once made without a file";
}

} // namespace
