#include "screens/clsHelpsrc.h"
#include "screens/clsHscore.h"
#include "screens/screenMenu.h"
#include "shell/Dispatcher.h"
#include "shell/Screens.h"
#include "support/AppFixture.h"
#include "support/BothWays.h"

#include <QPoint>
#include <initializer_list>

namespace {

class RainFrames : public AppFixture {};

// The falling digits drawn from pre-rendered glyphs look exactly as drawn one by one,
// through columns growing, erasing, standing still and starting again.
TEST_F(RainFrames, TitleLooksTheSameBothWays) {
    ExpectSameBothWays(
        [this] {
            TearDown();
            SetUp();
            Menu().init();
        },
        [](const std::function<void()>& keep) {
            for (int i = 0; i < 400; ++i) {
                Tick();
                if (i % 4 == 0) keep();
            }
        });
}

// The screens over the falling digits draw only where something moved while their widgets
// look the same: they must look exactly as drawn whole while the pointer goes over their
// buttons, presses them and moves between screens.
TEST_F(RainFrames, ScreensOverTheDigitsLookTheSameBothWays) {
    ExpectSameBothWays(
        [this] {
            TearDown();
            SetUp();
            Helpsrc().init();
            Menu().init();
        },
        [](const std::function<void()>& keep) {
            auto visit = [&keep](std::initializer_list<QPoint> points) {
                for (const QPoint& point : points) {
                    DispatchMouseMove(static_cast<int16_t>(point.x()),
                                      static_cast<int16_t>(point.y()));
                    for (int i = 0; i < 3; ++i) {
                        Tick();
                        keep();
                    }
                }
            };
            auto press = [&keep](int x, int y) {
                Click(x, y);
                keep();
            };
            visit({{300, 140}, {300, 210}, {300, 280}, {300, 350}, {300, 420}, {20, 20}});
            press(365, 210); // HELP
            visit({{100, 550}, {540, 550}, {700, 550}, {20, 20}});
            press(700, 550); // Next
            visit({{20, 20}});
            press(540, 550); // Back
            press(100, 550); // Close
            press(365, 350); // BEST RECORDS
            visit({{350, 80}, {200, 80}, {405, 479}, {20, 20}});
            press(350, 80); // the training tab
            visit({{20, 20}});
            press(405, 479); // Close
            press(365, 140); // BEGIN GAME
            visit({{200, 114}, {400, 114}, {600, 214}, {200, 314}, {400, 479}, {20, 20}});
            press(600, 214); // Training
            visit({{20, 20}});
            press(200, 314); // Regular
            visit({{20, 20}});
        });
}

} // namespace
