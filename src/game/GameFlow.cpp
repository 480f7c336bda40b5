#include "game/GameFlow.h"

#include "common/AppState.h"
#include "common/GameClock.h"
#include "common/Navigation.h"
#include "common/Sound.h"
#include "common/Switches.h"
#include "engine/GameSettings.h"
#include "persist/BestRecords.h"

namespace {

constexpr int StageCount = 10;

// Counted in 32 bits: a game of more than nine hours must not wrap to a negative time.
int32_t ClockSeconds() {
    const ClockState& c = Clock();
    return int32_t{c.ct_h} * 3600 + int32_t{c.ct_m} * 60 + c.ct_s;
}

} // namespace

void GameFlow::Begin() {
    won = false;
    stageSeconds = 0;
}

void GameFlow::FinishIfComplete(const GameModel& game) {
    won = game.IsComplete();
    if (!won) return;
    Clock().ctimer = false;
    Complete();
}

void GameFlow::Complete() {
    if (Switches().SoundOn == 1) PlaySound("Con", false);
    GameSettings& s = Settings();
    if (s.TrainingMode) {
        UpdateBestRecord(ClockSeconds(), s.Level);
        Navigator().Show(WinDialog);
        return;
    }
    // Every stage is timed from zero, so each one adds what is left of its thousand.
    s.Stage += 1;
    s.LastStageScore = 1000 - stageSeconds;
    s.ChallengeScore += s.LastStageScore;
    if (s.Stage < StageCount) {
        Navigator().DealNewGame();
        return;
    }
    UpdateBestRecord(s.ChallengeScore, s.ChallengeLevel);
    Navigator().Show(WinDialog);
}

void GameFlow::StageClock(int seconds) {
    const int limit = StageTimeAllowed();
    if (seconds < limit) {
        stageSeconds = seconds;
        return;
    }
    // Time is up, once: the clock stops before the record prompt, which would otherwise be
    // raised again every second while it is open. A question left open gives way to the
    // end of the challenge.
    Clock().ctimer = false;
    UpdateBestRecord(Settings().ChallengeScore, Settings().ChallengeLevel);
    if (App().CurrentScreen == ConfirmDialog) Navigator().Show(GameScreen);
    Navigator().Show(GameOverDialog);
    stageSeconds = limit;
}
