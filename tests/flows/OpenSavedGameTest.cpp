#include "common/AppState.h"
#include "common/GameClock.h"
#include "common/ScreenId.h"
#include "game/clsGameIntf.h"
#include "persist/FileIO.h"
#include "persist/SavedGameFile.h"
#include "screens/screenMenu.h"
#include "shell/Main.h"
#include "shell/Screens.h"
#include "support/AppFixture.h"
#include "support/SampleGames.h"

namespace {

// A Regular Training game, a few minutes in, with empty cells left.
SavedGame GameInProgress() {
    SavedGame game = SampleGame(SavedGame::Kind::Training, {});
    game.level = 1;
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            if ((r + c) % 3 != 0) game.given[r][c] = 0;
            if ((r + c) % 3 == 2) game.current[r][c] = 0;
        }
    }
    game.ct_m = 4;
    game.ct_s = 12;
    return game;
}

class OpenSavedGameFlow : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        Menu().init();
        Menu().Draw();
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = files->path().toStdString() + "/" + name;
        EXPECT_EQ(WriteFileAtomically(path, bytes), "");
        return path;
    }
};

TEST_F(OpenSavedGameFlow, AGoodFileStartsOnItsBoardWithItsClock) {
    const SavedGame saved = GameInProgress();
    OpenSavedGame(Write("26-01-31.sv", EncodeSavedGame(saved)));
    EXPECT_EQ(App().CurrentScreen, GameScreen);
    EXPECT_EQ(GameIntf().Model().Now().digits, saved.current);
    EXPECT_EQ(GameIntf().Model().ThePuzzle().givens, saved.given);
    EXPECT_EQ(Clock().ct_m, 4);
    EXPECT_TRUE(Clock().ctimer);
    EXPECT_TRUE(platform.asked.empty()) << platform.asked.front();
}

TEST_F(OpenSavedGameFlow, AFileThatCannotBeUsedIsExplainedThenTheTitleStays) {
    const std::string missing = files->path().toStdString() + "/gone.sv";
    OpenSavedGame(missing);
    EXPECT_EQ(platform.asked, std::vector<std::string>{"message: Korvel Sudoku | The file " +
                                                       missing + " could not be opened."});
    EXPECT_EQ(App().CurrentScreen, TitleScreen);
    Tick();
    EXPECT_EQ(App().CurrentScreen, TitleScreen);
}

} // namespace
