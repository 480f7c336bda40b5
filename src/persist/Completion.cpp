#include "persist/Completion.h"

#include "dialogs/clsWaiting.h"
#include "dialogs/clsWinDlg.h"
#include "engine/GameSettings.h"
#include "engine/Rules.h"
#include "game/clsGameIntf.h"
#include "persist/BestRecords.h"
#include "shell/GameClock.h"
#include "shell/Screens.h"
#include "shell/Sound.h"
#include "shell/Switches.h"

namespace {

// Counted in 32 bits: a game of more than nine hours must not wrap to a negative time.
int32_t ClockSeconds() {
    const ClockState& c = Clock();
    return int32_t{c.ct_h} * 3600 + int32_t{c.ct_m} * 60 + c.ct_s;
}

constexpr uint8_t StageCount = 10;

} // namespace

bool CheckGridComplete() {
    if (!IsGridFull()) return false;
    if (Switches().SoundOn == 1) PlaySound("Con", false);

    GameSettings& s = Settings();
    if (s.TrainingMode) {
        UpdateBestRecord(ClockSeconds(), s.Level);
        WinDlg().Show();
        return true;
    }
    // Every stage is timed from zero, so each one adds what is left of its thousand.
    s.Stage += 1;
    s.ChallengeScore += 1000 - GameIntf().TC;
    if (s.Stage < StageCount) {
        Waiting().BeginNew();
        return true;
    }
    UpdateBestRecord(s.ChallengeScore, s.ChallengeLevel);
    WinDlg().Show();
    return true;
}
