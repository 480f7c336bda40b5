#include "widgets/clsNBtn.h"
#include "common/AppState.h"
#include "draw/Drawing.h"
#include "draw/Text.h"
#include "support/AppFixture.h"
#include "support/Ink.h"

#include <QDir>
#include <QPainter>

namespace {

class NBtnTest : public AppFixture {
protected:
    static QRgb Look(clsNBtn& b, int x = 0, int y = 0) {
        Drawing().SpeedBuffer.fill(qRgb(0, 0, 0));
        SetFont("Impact", 24, FontBold);
        b.Draw();
        return Pixel(x, y);
    }

    // Pixels of the caption: near white, or near black on the bright pressed fill.
    static int CaptionInk(bool dark) {
        return CountPixels(QRect(100, 100, 40, 40), [dark](QRgb p) {
            return dark ? qGray(p) < 60 : qGray(p) > 150 && qRed(p) > 100;
        });
    }
};

TEST_F(NBtnTest, PressedButtonStaysPressedUntilTheScreenReleasesItAndItsCaptionShows) {
    clsNBtn b = Placed<clsNBtn>("", 40, 40, 3);
    EXPECT_FALSE(b.MouseDown()) << "not under the pointer";
    b.MouseMove(120, 120);
    EXPECT_TRUE(b.MouseDown());
    b.MouseMove(10, 10);
    EXPECT_EQ(b.States, 2) << "leaving keeps it pressed";
    EXPECT_FALSE(b.MouseDown()) << "pressing it again reports nothing";
    EXPECT_EQ(b.States, 2);
    b.States = 0;
    EXPECT_TRUE(b.MouseDown(true)) << "forced works anywhere";

    b.Enable = false;
    EXPECT_FALSE(b.MouseDown(true));
    EXPECT_EQ(b.States, 0);
    b.MouseMove(120, 120);
    EXPECT_EQ(b.States, 0) << "a disabled button never hovers";

    // The digit caption is light at rest, dark when pressed and gone when disabled.
    b = Placed<clsNBtn>("", 40, 40, 7);
    Look(b);
    EXPECT_GT(CaptionInk(false), 20);
    b.States = 2;
    Look(b);
    EXPECT_GT(CaptionInk(true), 20);
    b.Enable = false;
    const QRgb grey = Look(b, 102, 138);
    EXPECT_EQ(qRed(grey), qGreen(grey));
    EXPECT_EQ(CaptionInk(false), 0);
    clsNBtn blank = Placed<clsNBtn>("", 40, 40, 0);
    Look(blank);
    EXPECT_EQ(CaptionInk(false), 0) << "value 0 has no caption";
}

TEST_F(NBtnTest, ImageSkipsMagentaAndShowsOverTheDisabledFill) {
    // Magenta left half, blue right half.
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255));
    QPainter(&image).fillRect(0, 0, 20, 40, qRgb(255, 0, 255));
    QDir(files->path()).mkpath("res");
    image.save(files->path() + "/res/key.bmp");
    App().ProgramFolder = files->path().toStdString();

    clsNBtn b = Placed<clsNBtn>(App().ProgramFolder + "/res/key.bmp", 40, 40, 0);
    const QRgb fill = Look(b, 110, 120);
    EXPECT_GT(qGreen(fill), 0) << "the green fill shows through the magenta";
    EXPECT_EQ(qBlue(fill), 0);
    EXPECT_EQ(Look(b, 130, 120), qRgb(0, 0, 255));
    b.Enable = false;
    EXPECT_EQ(Look(b, 130, 120), qRgb(0, 0, 255));
    b.init("", 40, 40, 0);
    EXPECT_EQ(Look(b, 130, 120), Look(b, 110, 120)) << "no image once made without a file";
}

} // namespace
