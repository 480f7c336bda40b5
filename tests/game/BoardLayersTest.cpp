#include "dialogs/clsConfirmDialog.h"
#include "dialogs/clsPause.h"
#include "game/GameFixture.h"
#include "shell/Switches.h"

#include <functional>
#include <vector>

namespace {

// The board drawn from its cached layers must look exactly as the board drawn whole.
class BoardLayers : public GameFixture {
protected:
    // Plays the same game twice, once each way, and keeps every frame.
    std::vector<QImage> Frames(bool layers, const std::function<void()>& play) {
        AppFixture::TearDown();
        SetUp();
        Drawing().LayerCaches = layers;
        std::vector<QImage> frames;
        SetTickObserver([&frames] { frames.push_back(Drawing().SpeedBuffer.copy()); });
        play();
        return frames;
    }

    void ExpectSameBothWays(const std::function<void()>& play) {
        const std::vector<QImage> whole = Frames(false, play);
        const std::vector<QImage> layered = Frames(true, play);
        ASSERT_EQ(whole.size(), layered.size());
        ASSERT_FALSE(whole.empty());
        for (size_t i = 0; i < whole.size(); ++i)
            ASSERT_EQ(whole[i], layered[i]) << "frame " << i;
    }

    static void SetTickObserver(std::function<void()> observer) {
        Observer() = std::move(observer);
    }
    static std::function<void()>& Observer() {
        static std::function<void()> observer;
        return observer;
    }
    static void Frame(int n = 1) {
        for (int i = 0; i < n; ++i) {
            Tick();
            Observer()();
        }
    }
};

TEST_F(BoardLayers, PlayingLooksTheSameAsDrawingTheWholeBoard) {
    ExpectSameBothWays([] {
        Switches().HighlightOn = 1;
        StartRegular({10, 20, 30, 40, 50, 60, 70});
        Frame(3);
        // The pointer over a cell hovers and highlights it; the pad opens and a digit goes in.
        ClickAt(CellCenter(10));
        Frame(2);
        ClickAt(PadButtonCenter(10, Solved(1, 1) - 1));
        Frame(2);
        // A refused digit flashes the cell it clashes with.
        Enter(20, Solved(2, 0) - 1);
        Frame(12);
        ClickAt({92, 81 + 40}); // PAUSE hides the numbers
        Frame(3);
        ClickAt({520, 331}); // Continue
        Frame(2);
        // The scan line runs down the board and turns back up.
        Frame(520);
    });
}

TEST_F(BoardLayers, DialogsAndTheSolutionLookTheSameBothWays) {
    ExpectSameBothWays([] {
        StartRegular({0, 8, 40, 72, 80});
        ClickAt({92, 241}); // SOLUTION asks first
        Frame(5);
        ClickAt({520, 356});
        Frame(3);
        DispatchMouseMove(92, 281); // MAIN MENU hovered
        Frame(2);
    });
}

} // namespace
