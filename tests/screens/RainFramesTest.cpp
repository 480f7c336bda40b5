#include "screens/clsHelpsrc.h"
#include "screens/clsHscore.h"
#include "screens/screenMenu.h"
#include "shell/Dispatcher.h"
#include "shell/Screens.h"
#include "support/AppFixture.h"
#include "support/BothWays.h"
#include "support/Places.h"

#include <QPoint>
#include <utility>

namespace {

using RainFrames = AppFixture;
using namespace place;

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
            // A press clicks and keeps its frame; a visit moves there and keeps three ticks.
            const std::pair<bool, QPoint> steps[] = {
                {false, {300, 140}}, {false, {300, 210}}, {false, {300, 280}},  {false, {300, 350}},
                {false, {300, 420}}, {false, {20, 20}},   {true, Help},         {false, {100, 550}},
                {false, {540, 550}}, {false, {700, 550}}, {false, {20, 20}},    {true, {700, 550}},
                {false, {20, 20}},   {true, {540, 550}},  {true, {100, 550}},   {true, BestRecords},
                {false, {350, 80}},  {false, {200, 80}},  {false, {405, 479}},  {false, {20, 20}},
                {true, TrainingTab}, {false, {20, 20}},   {true, RecordsClose}, {true, BeginGame},
                {false, {200, 114}}, {false, {400, 114}}, {false, {600, 214}},  {false, {200, 314}},
                {false, {400, 479}}, {false, {20, 20}},   {true, {600, 214}},   {false, {20, 20}},
                {true, {200, 314}},  {false, {20, 20}}};
            for (const auto& [press, at] : steps) {
                if (press) {
                    Click(at);
                    keep();
                    continue;
                }
                DispatchMouseMove(static_cast<int16_t>(at.x()), static_cast<int16_t>(at.y()));
                for (int i = 0; i < 3; ++i) {
                    Tick();
                    keep();
                }
            }
        });
}

} // namespace
