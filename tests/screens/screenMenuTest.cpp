#include "screens/screenMenu.h"
#include "draw/Drawing.h"
#include "shell/Screens.h"
#include "support/AppFixture.h"
#include "support/Ink.h"

#include <algorithm>
#include <vector>

namespace {

class TitleScreen : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        Menu().init();
    }
};

TEST_F(TitleScreen, OpensOnBlackStartingAColumnEveryOtherFrameUpToFortySix) {
    EXPECT_EQ(Menu().ActiveCount(), 0);
    std::vector<int> counts;
    for (int frame = 0; frame < 4; ++frame) {
        Menu().BackRedraw(2, nullptr, {}, {});
        counts.push_back(Menu().ActiveCount());
    }
    EXPECT_EQ(counts, (std::vector<int>{1, 1, 2, 2}));
    EXPECT_EQ(Pixel(5, 595), qRgb(0, 0, 0));

    // The digits' layer ends 8 rows above the window's bottom: those rows show black, not
    // what the board left there.
    Drawing().SpeedBuffer.fill(qRgb(200, 200, 200));
    Tick();
    EXPECT_EQ(CountPixels(QRect(0, 600, 800, 8), [](QRgb p) { return p != qRgb(0, 0, 0); }), 0);

    // Columns that a mode other than 2 skips never finish, so the rain piles up to its cap.
    int most = 0;
    for (int frame = 0; frame < 3000; ++frame) {
        Menu().BackRedraw(0, nullptr, {}, {});
        most = std::max(most, Menu().ActiveCount());
    }
    EXPECT_EQ(most, 46);
}

TEST_F(TitleScreen, ExitStopsTheMusicClosesTheSoundsAndEnds) {
    Tick();
    EXPECT_GT(WhitePixels(QRect(560, 80, 40, 20)), 0) << "the version";
    sounds.clear();
    Click(365, 420);
    EXPECT_EQ(sounds, (std::vector<std::string>{"stop bg0", "close bg1", "close bg2", "close Click",
                                                "close Con"}));
    EXPECT_TRUE(processEnded);
}

} // namespace
