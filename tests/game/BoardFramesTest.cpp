#include "common/GameClock.h"
#include "common/Navigation.h"
#include "common/Switches.h"
#include "dialogs/clsConfirmDialog.h"
#include "dialogs/clsPause.h"
#include "dialogs/clsWinDlg.h"
#include "engine/GameSettings.h"
#include "shell/Dispatcher.h"
#include "support/BothWays.h"
#include "support/GameFixture.h"

#include <functional>

namespace {

// The board drawing only the strips its scan line moved through must look exactly as the
// board drawn whole.
class BoardFrames : public GameFixture {
protected:
    // Runs n frames and keeps every `every`-th one and the last.
    struct Frames {
        const std::function<void()>& keep;
        void operator()(int n, int every = 1) const {
            for (int i = 1; i <= n; ++i) {
                Tick();
                if (i % every == 0 || i == n) keep();
            }
        }
    };
    void SameBothWays(const std::function<void(const Frames&)>& play) {
        ExpectSameBothWays(
            [this] {
                AppFixture::TearDown();
                SetUp();
            },
            [&play](const std::function<void()>& keep) { play(Frames{keep}); });
    }
};

TEST_F(BoardFrames, PlayingLooksTheSameAsDrawingTheWholeBoard) {
    SameBothWays([](const Frames& Frame) {
        Switches().HighlightOn = 1;
        StartRegular({10, 20, 30, 40, 50, 60, 70});
        Frame(3);
        // The pointer over a cell hovers and highlights it; the pad opens and a digit goes in.
        Click(CellCenter(10));
        Frame(2);
        Click(PadButtonCenter(10, Solved(1, 1) - 1));
        Frame(2);
        // A refused digit flashes the cell it clashes with.
        Enter(20, Solved(2, 0) - 1);
        Frame(12);
        Click(place::Pause); // PAUSE hides the numbers
        Frame(3);
        Click(place::Continue);
        Frame(2);
        // The scan line runs down the board and turns back up: every frame draws the same
        // two strips, so a few of them prove as much as all.
        Frame(520, 8);
    });
}

TEST_F(BoardFrames, DialogsAndTheSolutionLookTheSameBothWays) {
    SameBothWays([](const Frames& Frame) {
        StartRegular({0, 8, 40, 72, 80});
        Click(place::Solution); // asks first
        Frame(5);
        Click(place::ConfirmOk);
        Frame(3);
        DispatchMouseMove(92, 281); // MAIN MENU hovered
        Frame(2);
    });
}

// Marks, a shown step, the tint of the digit under the pointer and the cursor frame of the
// arrow keys are redrawn only over the cells and widgets they change.
TEST_F(BoardFrames, MarksStepTintAndCursorLookTheSameBothWays) {
    SameBothWays([](const std::function<void(int)>& Frame) {
        StartRegular({0, 1, 2, 10, 12, 20, 30, 40, 50, 60, 70, 80});
        Frame(2);
        for (int16_t key : {KeyM, KeyH}) {
            DispatchKeyDown(key, 0); // every empty cell marked, then the next step shown
            Frame(2);
        }
        Switches().HighlightOn = 1;
        for (int given : {3, 4, 13}) { // the pointer on digits that stand elsewhere too
            DispatchMouseMove(static_cast<int16_t>(CellCenter(given).x()),
                              static_cast<int16_t>(CellCenter(given).y()));
            Frame(2);
        }
        DispatchKeyDown(KeyH, 0);
        Switches().HighlightOn = 0;
        for (int16_t key : {KeyRight, KeyRight, KeyDown, KeyLeft}) {
            DispatchKeyDown(key, 0);
            Frame(2);
        }
    });
}

// While the board draws only the scan line's strips, whatever else changes must show: the
// pad's buttons under the pointer, a challenge's time running out, and the credits of the
// win dialog while Ctrl+A is held.
TEST_F(BoardFrames, PadChallengeClockAndCreditsLookTheSameBothWays) {
    SameBothWays([](const Frames& Frame) {
        Settings().TrainingMode = false;
        Settings().ChallengeLevel = 2;
        StartRegular({10, 20});
        Clock().ct_m = 5;
        Clock().ct_s = 40;
        Click(CellCenter(10));
        for (int b : {0, 4, 8, 9, 10}) {
            const QPoint over = PadButtonCenter(10, b);
            DispatchMouseMove(static_cast<int16_t>(over.x()), static_cast<int16_t>(over.y()));
            Frame(2);
        }
        Frame(40);
        Enter(10, Solved(1, 1) - 1);
        Enter(20, Solved(2, 2) - 1);
        Frame(6);
        Navigator().Show(WinDialog);
        Frame(5);
        DispatchKeyDown(KeyA, CtrlKey);
        Frame(2);
        DispatchKeyUp();
        Frame(2);
    });
}

} // namespace
