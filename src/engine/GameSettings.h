#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// What kind of game is played: chosen on the options screen, advanced by a challenge.
struct GameSettings {
    bool TrainingMode = true;
    int16_t Level = 0;      // 0 Easy, 1 Normal, 2 Hard
    int16_t PuzzleType = 0; // 0 Regular, 1..5 Nonomino template
    uint8_t Stage = 0;      // challenge stage index, 0..9 (10 once all are done)
    int16_t ChallengeLevel = 0;
    int32_t ChallengeScore = 0;
    int32_t LastStageScore = -1; // what the last completed stage scored; -1 when unknown
    std::array<int16_t, 10> StageTimeLimit{};
    std::array<int16_t, 10> StageType{};
    std::array<int16_t, 10> StageLevel{};
};

GameSettings& Settings();

// Back to the start-of-program values; the stage tables are left empty.
void ResetSettings();

// The ten challenge stages: time limits, puzzle types and levels.
void FillStageTables();

// The stage whose table entries apply. A finished challenge leaves Stage at 10, one past
// the tables, so every read of them goes through here.
size_t StageIndex();

// Seconds the current challenge stage allows at the chosen challenge level.
int16_t StageTimeAllowed();
// Seconds a stage (0..9) allows at a challenge level.
int16_t StageTimeAllowed(size_t stage, int16_t challengeLevel);
