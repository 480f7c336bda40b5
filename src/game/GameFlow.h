#pragma once

#include "model/GameModel.h"

// How a game goes on around the board: a full grid ends it (the chime, a best record, then
// the win dialog or the next challenge stage), and a challenge stage ends when its time runs
// out.
class GameFlow {
public:
    // A new, loaded or restarted game: nothing won, no stage time used.
    void Begin();
    bool Won() const { return won; }
    // Seconds used of the current challenge stage.
    int StageSeconds() const { return stageSeconds; }

    // After the position changed: a full grid stops the clock, then completes the game.
    // Last, because completing may already deal the next stage.
    void FinishIfComplete(const GameModel& game);
    // A clock second of a challenge stage; at the limit the challenge is over.
    void StageClock(int seconds);

private:
    void Complete();

    bool won = false;
    int stageSeconds = 0;
};
