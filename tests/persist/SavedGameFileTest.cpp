#include "persist/SavedGameFile.h"

#include "support/SampleGames.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <utility>

namespace {

// A Training game of type 3 at level 1 after 1 minute 5 seconds, half filled in.
SavedGame TrainingGame() {
    SavedGame game = SampleGame(SavedGame::Kind::Training, {});
    std::tie(game.typeOrStage, game.level, game.ct_m, game.ct_s) = std::tuple(3, 1, 1, 5);
    for (int cell = 0; cell < 81; ++cell)
        if ((cell / 9 + cell % 9) % 2 != 0) game.given[cell / 9][cell % 9] = 0;
    return game;
}

std::string Bytes(std::initializer_list<int> values) { return {values.begin(), values.end()}; }

std::string Changed(std::string bytes, size_t at, const std::string& with) {
    return bytes.replace(at, with.size(), with);
}

TEST(SavedGameFile, TrainingFileIsLaidOutByteForByte) {
    SavedGame game = TrainingGame();
    game.current[2][7] = 9; // row 2, column 7 lies at 2 * (2 + 9 * 7) = 130 into the grid
    const std::string bytes = EncodeSavedGame(game);

    ASSERT_EQ(bytes.size(), 334u);
    EXPECT_EQ(bytes.substr(0, 4), Bytes({'T', '3', 1, 0}));
    EXPECT_EQ(bytes.substr(328), Bytes({0, 0, 1, 0, 5, 0}));
    EXPECT_EQ(bytes.substr(4 + 130, 2), Bytes({9, 0}));
    EXPECT_EQ(bytes.substr(166 + 2 * 9 * 2, 2), Bytes({3, 0})) << "the given at row 0, column 2";

    EXPECT_EQ(DecodeSavedGame(bytes), game);

    // A clock past 99 hours reads as the most the clock shows.
    const auto longer = DecodeSavedGame(bytes.substr(0, 328) + Bytes({100, 0, 0, 0, 1, 0}));
    EXPECT_EQ(EncodeSavedGame(longer.value_or(game)).substr(328), Bytes({99, 0, 59, 0, 59, 0}));

    // A file without the header holds the grids and the clock from the start.
    SavedGame headerless = game;
    headerless.kind = SavedGame::Kind::Headerless;
    headerless.typeOrStage = headerless.level = 0;
    EXPECT_EQ(DecodeSavedGame(bytes.substr(4)), headerless);
}

TEST(SavedGameFile, ChallengeFileCarriesItsStageLevelAndRunningScore) {
    SavedGame game = TrainingGame();
    std::tie(game.kind, game.typeOrStage, game.level, game.challengeScore) =
        std::tuple(SavedGame::Kind::Challenge, 4, 2, 3210);
    const std::string bytes = EncodeSavedGame(game);

    ASSERT_EQ(bytes.size(), 338u);
    EXPECT_EQ(bytes.substr(0, 4), Bytes({'S', '4', 2, 0}));
    EXPECT_EQ(bytes.substr(334), Bytes({0x8A, 0x0C, 0, 0}));
    EXPECT_EQ(DecodeSavedGame(bytes), game);

    // A file without the score counted its clock from the start of the challenge: it is
    // credited with the stages less that time, never below 0, and the stage starts again.
    SavedGame restarted = game;
    restarted.challengeScore = 4000 - 65;
    restarted.ct_m = restarted.ct_s = 0;
    EXPECT_EQ(DecodeSavedGame(bytes.substr(0, 334)), restarted);
    EXPECT_EQ(DecodeSavedGame(Changed(bytes.substr(0, 334), 328, Bytes({2})))->challengeScore, 0)
        << "two hours on the clock";
}

// A damaged or foreign file must never reach the game state: each of these would index
// past a table or show a clock or board the game cannot have.
TEST(SavedGameFile, RefusesFilesTheGameCouldNotHaveWritten) {
    const std::string good = EncodeSavedGame(TrainingGame());
    const std::string goodChallenge = Changed(good, 0, "S2") + Bytes({0, 0, 0, 0});
    ASSERT_TRUE(DecodeSavedGame(good));
    ASSERT_TRUE(DecodeSavedGame(goodChallenge));

    const std::pair<const char*, std::string> bad[] = {
        {"empty", ""},
        {"short training file", good.substr(0, 333)},
        {"short headerless file", good.substr(4, 329)},
        {"puzzle type 6", Changed(good, 1, "6")},
        {"type not a digit", Changed(good, 1, "x")},
        {"stage not a digit", Changed(goodChallenge, 1, ":")},
        {"level 3", Changed(good, 2, Bytes({3, 0}))},
        {"negative level", Changed(good, 2, Bytes({0xFF, 0xFF}))},
        {"digit 10 in the grid", Changed(good, 4, Bytes({10, 0}))},
        {"a given changed", Changed(good, 4, Bytes({TrainingGame().given[0][0] % 9 + 1, 0}))},
        {"a given emptied", Changed(good, 4, Bytes({0, 0}))},
        {"negative given", Changed(good, 200, Bytes({0xFF, 0xFF}))},
        {"minute 60", Changed(good, 330, Bytes({60, 0}))},
        {"negative hours", Changed(good, 328, Bytes({0, 0x80}))},
        {"hours on a stage's clock", Changed(goodChallenge, 328, Bytes({1, 0}))},
        {"score above the stages", Changed(goodChallenge, 334, Bytes({0xD1, 0x07, 0, 0}))},
        {"negative score", Changed(goodChallenge, 334, Bytes({0xFF, 0xFF, 0xFF, 0xFF}))}};
    for (const auto& [what, bytes] : bad)
        EXPECT_FALSE(DecodeSavedGame(bytes)) << what;
}

// Marks travel in a block after the game; whatever the game could not have written there is
// passed over and the game loads without marks, as a build from before marks loads it.
TEST(SavedGameFile, MarksBlockFollowsTheGameAndIsPassedOverWhenItDoesNotFit) {
    SavedGame game = TrainingGame();
    const int empty = 1;   // row 0, column 1, stored at place 9
    const int another = 3; // row 0, column 3, stored at place 27
    game.current[0][1] = game.current[0][3] = 0;
    game.marks[empty] = 0x1FF;
    game.marks[another] = 0x003;
    const std::string bytes = EncodeSavedGame(game);
    ASSERT_EQ(bytes.size(), 334u + 8 + 162);
    EXPECT_EQ(bytes.substr(334, 8), std::string("KSX1") + Bytes({1, 0, 162, 0}));
    EXPECT_EQ(bytes.substr(342 + 2 * 9, 2), Bytes({0xFF, 0x01})) << "column by column";
    EXPECT_EQ(bytes.substr(342 + 2 * 27, 2), Bytes({3, 0}));
    EXPECT_EQ(DecodeSavedGame(bytes), game);

    SavedGame challenge = game;
    challenge.kind = SavedGame::Kind::Challenge;
    challenge.typeOrStage = 1;
    const std::string challengeBytes = EncodeSavedGame(challenge);
    EXPECT_EQ(challengeBytes.substr(338, 4), "KSX1") << "after the score";
    EXPECT_EQ(DecodeSavedGame(challengeBytes), challenge);
    EXPECT_FALSE(DecodeSavedGame(challengeBytes.substr(0, 334) + challengeBytes.substr(338)))
        << "without the score the tag reads as one";

    SavedGame entered = game;
    entered.current[0][1] = 4;
    entered.marks = {};
    const auto filled = DecodeSavedGame(EncodeSavedGame(entered) + bytes.substr(334));
    EXPECT_EQ(filled->marks[another], 3);
    EXPECT_EQ(filled->marks[empty], 0) << "a filled cell keeps no marks";
    SavedGame markedGiven = game;
    markedGiven.marks[0] = 1;
    EXPECT_EQ(DecodeSavedGame(EncodeSavedGame(markedGiven))->marks[0], 0) << "nor does a given";

    const std::pair<const char*, std::string> passedOver[] = {
        {"another tag", Changed(bytes, 334, "KSX2")},
        {"another version", Changed(bytes, 338, Bytes({2, 0}))},
        {"longer than the file", Changed(bytes, 340, Bytes({164, 0}))},
        {"shorter than the file", bytes + Bytes({0, 0})},
        {"a bit above digit 9", Changed(bytes, 342 + 2 * 9, Bytes({0, 2}))},
        {"headerless", EncodeSavedGame(game).substr(4)}};
    for (const auto& [what, file] : passedOver) // and the game still loads
        EXPECT_EQ(DecodeSavedGame(file).value_or(game).marks, (std::array<uint16_t, 81>{})) << what;

    game.hintsLeft = 1; // as a resume file keeps them
    EXPECT_EQ(EncodeSavedGame(game).size(), bytes.size() + 2);
    EXPECT_EQ(DecodeSavedGame(EncodeSavedGame(game))->hintsLeft, 1);
    EXPECT_EQ(DecodeSavedGame(bytes)->hintsLeft, -1) << "a saved game keeps no hints";
}

} // namespace
