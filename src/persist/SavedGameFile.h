#pragma once

#include "engine/Grid.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// One saved game as its file holds it. A Training file starts with "T" and the puzzle
// type, a Challenge file with "S" and the stage; any other first byte marks an old file
// that holds only the grids and the clock.
struct SavedGame {
    enum class Kind { Training, Challenge, Headerless };

    Kind kind = Kind::Training;
    int16_t typeOrStage = 0; // PuzzleType (Training) or Stage (Challenge)
    int16_t level = 0;       // Level (Training) or ChallengeLevel (Challenge)
    Grid current{};
    Grid given{};
    int16_t ct_h = 0;
    int16_t ct_m = 0;
    int16_t ct_s = 0;
    int32_t challengeScore = 0; // Challenge files only
    // The player's pencil marks in reading order, bit d - 1 for digit d; only empty cells
    // keep theirs.
    std::array<uint16_t, 81> marks{};
    // The hints left, which only a resume file keeps; -1 for none.
    int hintsLeft = -1;

    friend bool operator==(const SavedGame&, const SavedGame&) = default;
};

// Header, grids and clock; a Challenge file carries its running score after them.
inline constexpr size_t SavedGameSize = 334;
inline constexpr size_t ChallengeSavedGameSize = SavedGameSize + 4;
// A game with marks (or a resume file) adds a block after that: "KSX1", a 16-bit version,
// a 16-bit length of what follows, then 81 16-bit masks column by column, and in a resume
// file the hints left. Older games read past it; a file without marks has none.
inline constexpr size_t LargestSavedGameSize = ChallengeSavedGameSize + 8 + 0xFFFF;

std::string EncodeSavedGame(const SavedGame& game);

// Nothing when the bytes are too few for their layout or hold what the game could never
// have written (a digit above 9, a level above 2, a minute above 59, a given changed or
// emptied, hours on a challenge stage's clock ...). A Training clock past 99 hours reads
// as 99:59:59. Whether the grids obey the rules of their regions, and a stage's clock its
// limit, is for the caller, which knows the regions and the stages. A marks block that does
// not fit its file exactly, or holds bits no digit has, is passed over: the game loads
// without marks.
std::optional<SavedGame> DecodeSavedGame(const std::string& bytes);
