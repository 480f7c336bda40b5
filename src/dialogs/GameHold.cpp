#include "dialogs/GameHold.h"

#include "shell/AppState.h"
#include "shell/GameClock.h"
#include "shell/ScreenId.h"
#include "shell/Sound.h"
#include "shell/Switches.h"

void HoldGame() {
    Switches().GamePaused = true;
    Clock().ctimer = false;
    StopSound(MusicAlias());
}

void ResumeGame() {
    App().CurrentScreen = GameScreen;
    Switches().GamePaused = false;
    Clock().ctimer = true;
    RestartMusic();
}
