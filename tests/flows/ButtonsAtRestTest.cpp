#include "common/Navigation.h"
#include "draw/Drawing.h"
#include "screens/clsHelpsrc.h"
#include "support/GameFixture.h"

#include <functional>
#include <vector>

namespace {

using namespace place;

using ButtonsAtRest = GameFixture;

// Each screen and dialog is reached twice by clicks and shown with the pointer left where
// the last click was: nothing may look lit before the pointer moves onto it.
TEST_F(ButtonsAtRest, EveryScreenShowsItsButtonsAtRestEachTimeItIsShown) {
    Helpsrc().init(); // as start-up does
    using Step = std::function<void()>;
    const auto clicks = [](std::vector<QPoint> points) -> Step {
        return [points] {
            for (QPoint at : points) {
                Click(at);
                Tick();
            }
        };
    };
    const Step title = [] { Navigator().ReturnToMenu(); }, game = [] { StartRegular({10, 40}); };
    // Won by keys after an option's click: the cursor stays on the last cell and the
    // option under the pointer.
    const Step win = [] {
        StartRegular({40});
        Click({91, 580});
        for (int16_t key : {KeyRight, KeyRight, KeyEnter})
            DispatchKeyDown(key, 0);
        PressNumber(static_cast<int16_t>(Solved(4, 4)));
    };
    const Step newGame = [dialogOk = clicks({DialogOk})] {
        dialogOk();
        StartRegular({10, 40});
    };
    const Step timeOut = [] {
        Settings().TrainingMode = false;
        StartRegular({10});
        Clock() = {true, 0, 7, 29, 0}; // a second before the first stage's limit
        Tick(TicksPerSecond);
    };
    // From where it starts, each visit goes there and back twice.
    const struct {
        Step start, reach;
        int there;
        Step leave;
        int back;
    } visits[] = {
        {title, clicks({place::Help}), 6, clicks({HelpClose}), 0},
        {title, clicks({LoadGame}), 0, clicks({}), 0},
        {title, clicks({BeginGame}), 1, clicks({OptionsOk, MainMenu, ConfirmOk}), 0},
        {title, clicks({BeginGame, OptionsOk}), 2, clicks({MainMenu, ConfirmOk}), 0},
        {title, clicks({place::BestRecords}), 3, clicks({RecordsClose}), 0},
        {title, win, 5, newGame, 2},
        {title, clicks({BeginGame, Challenge, OptionsOk}), 8,
         clicks({Continue, MainMenu, ConfirmOk}), 0},
        {title, timeOut, 9, clicks({DialogOk}), 0},
        {game, clicks({HowToPlay}), 6, clicks({HelpClose}), 2},
        {game, clicks({place::Pause}), 7, clicks({Continue}), 2},
        {game, clicks({Restart}), 10, clicks({ConfirmCancel}), 2},
        {game, clicks({place::Save}), 2, clicks({}), 2},
    };
    // The frame, once a dialog has finished opening, looks as it does with the pointer off
    // every widget; no clock second passes in between.
    const auto atRest = [](int screen) {
        EXPECT_EQ(App().CurrentScreen, screen);
        Clock().ClockTicks = 0;
        Tick(4);
        const std::vector<uint32_t> shown = Drawing().plan.look;
        DispatchMouseMove(0, 0);
        Tick(4);
        return shown == Drawing().plan.look;
    };
    for (size_t v = 0; v < std::size(visits); ++v) {
        visits[v].start();
        for (int time = 1; time <= 2; ++time) {
            visits[v].reach();
            EXPECT_TRUE(atRest(visits[v].there)) << "visit " << v << ", time " << time;
            visits[v].leave();
            EXPECT_TRUE(atRest(visits[v].back)) << "back from visit " << v << ", time " << time;
        }
    }
}

} // namespace
