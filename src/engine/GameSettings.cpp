#include "engine/GameSettings.h"

#include <algorithm>

GameSettings& Settings() {
    static GameSettings settings;
    return settings;
}

void ResetSettings() { Settings() = GameSettings{}; }

void FillStageTables() {
    // Odd stages are regular puzzles, even ones walk through the five templates; the
    // level rises every four stages and each level starts with a longer time limit.
    GameSettings& s = Settings();
    s.StageTimeLimit = {450, 400, 350, 300, 600, 550, 500, 450, 750, 700};
    s.StageType = {0, 1, 0, 2, 0, 3, 0, 4, 0, 5};
    s.Stage = 0;
    s.StageLevel = {0, 0, 0, 0, 1, 1, 1, 1, 2, 2};
}

size_t StageIndex() {
    const GameSettings& s = Settings();
    return std::min<size_t>(s.Stage, s.StageTimeLimit.size() - 1);
}

int16_t StageTimeAllowed() { return StageTimeAllowed(StageIndex(), Settings().ChallengeLevel); }

int16_t StageTimeAllowed(size_t stage, int16_t challengeLevel) {
    return static_cast<int16_t>(Settings().StageTimeLimit[stage] - 50 * challengeLevel);
}
