#pragma once

#include "engine/Grid.h"

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
};

// Header, grids and clock; a Challenge file carries its running score after them.
inline constexpr size_t SavedGameSize = 334;
inline constexpr size_t ChallengeSavedGameSize = SavedGameSize + 4;

std::string EncodeSavedGame(const SavedGame& game);

// Nothing when the bytes are too few for their layout or hold what the game could never
// have written (a digit above 9, a level above 2, a minute above 59, a given changed or
// emptied ...). Whether the grids obey the rules of their regions is for the caller,
// which knows the regions.
std::optional<SavedGame> DecodeSavedGame(const std::string& bytes);
