#include "widgets/clschkbox.h"
#include "common/AppState.h"
#include "draw/Drawing.h"
#include "support/AppFixture.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

namespace {

class ChkboxTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        // Clear frame red, ticked frame blue.
        QImage strip(80, 40, QImage::Format_RGB32);
        strip.fill(Qt::red);
        QPainter(&strip).fillRect(40, 0, 40, 40, Qt::blue);
        QDir(folder.path()).mkpath("res");
        strip.save(folder.path() + "/res/icon.png");
        App().ProgramFolder = folder.path().toStdString();
        box.init(App().ProgramFolder + "/res/icon.png", 40, 40);
        box.SetLocation(100, 100);
    }

    QRgb Look() {
        Drawing().SpeedBuffer.fill(qRgb(0, 0, 0));
        box.Draw();
        return Pixel(120, 120);
    }

    QTemporaryDir folder;
    clschkbox box;
};

TEST_F(ChkboxTest, PressFlipsAtOnceAndReleaseElsewhereKeepsIt) {
    box.MouseMove(140, 120); // right edge
    EXPECT_FALSE(box.MouseDown());
    EXPECT_EQ(Look(), QColor(Qt::red).rgb());

    box.MouseMove(120, 120);
    EXPECT_TRUE(box.MouseDown());
    EXPECT_EQ(Look(), QColor(Qt::blue).rgb());
    box.MouseMove(10, 10);
    EXPECT_FALSE(box.MouseUp());
    EXPECT_EQ(box.Chked, 1);

    box.MouseMove(120, 120);
    box.MouseDown();
    EXPECT_EQ(box.Chked, 0) << "a second press clears it";
    EXPECT_TRUE(box.MouseUp());
}

} // namespace
