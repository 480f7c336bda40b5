#include "dialogs/GameHold.h"

#include "common/GameClock.h"
#include "common/Navigation.h"
#include "common/Sound.h"
#include "common/Switches.h"

void HoldGame() {
    Switches().GamePaused = true;
    Clock().ctimer = false;
    StopSound(MusicAlias());
}

void ResumeGame() {
    Navigator().Show(GameScreen);
    Switches().GamePaused = false;
    Clock().ctimer = true;
    RestartMusic();
}
