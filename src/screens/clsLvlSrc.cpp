#include "screens/clsLvlSrc.h"

#include "common/GameClock.h"
#include "common/Navigation.h"
#include "draw/FrameScope.h"
#include "engine/GameSettings.h"
#include "screens/screenMenu.h"

namespace {

void Place(clsRbtn& radio, const QString& caption, int16_t left, int16_t top) {
    radio.init(caption, 170, 28, 0);
    radio.SetLocation(left, top);
}

} // namespace

void clsLvlSrc::init() {
    ResetClock();
    // Three of the captions end in a space, which counts when they are centred.
    Place(easy, QStringLiteral("Easy"), 120, 100);
    Place(normal, QStringLiteral("Normal"), 320, 100);
    Place(hard, QStringLiteral("Hard"), 520, 100);
    Place(challenge, QStringLiteral("Challenge "), 120, 200);
    Place(training, QStringLiteral("Training "), 520, 200);
    Place(regular, QStringLiteral("Regular "), 120, 300);
    Place(nonomino, QStringLiteral("Nonomino"), 520, 300);
    ok.init(QStringLiteral("OK"), 200, 38, 0);
    ok.SetLocation(300, 460);

    level = clsRadios{};
    level.AddRadio(easy);
    level.AddRadio(normal);
    level.AddRadio(hard);
    level.setvalue(0);
    type = clsRadios{};
    type.AddRadio(regular);
    type.AddRadio(nonomino);
    type.setvalue(0);
    mode = clsRadios{};
    mode.AddRadio(challenge);
    mode.AddRadio(training);
    mode.setvalue(1);

    backdrop.reset();
}

void clsLvlSrc::Shown(ScreenId /*below*/) {
    init();
    Draw();
}

void clsLvlSrc::Draw() {
    FrameScope frame;
    // The type group shows only for training.
    backdrop.BackRedraw(2, this, {Training()},
                        {easy.Part(), normal.Part(), hard.Part(), challenge.Part(), training.Part(),
                         regular.Part(), nonomino.Part(), ok.Part()});
    level.drawFrame(QStringLiteral("Level"), 100, 70, 600, 80);
    mode.drawFrame(QStringLiteral("Mode"), 100, 170, 600, 80);
    easy.Draw();
    normal.Draw();
    hard.Draw();
    challenge.Draw();
    training.Draw();
    ok.Draw();
    // A challenge chooses its own puzzle types, so the type only shows for training.
    if (!Training()) return;
    type.drawFrame(QStringLiteral("Type"), 100, 270, 600, 80);
    regular.Draw();
    nonomino.Draw();
}

// The type group follows the pointer even while hidden, so a choice made there shows once
// "Training " is selected again.
void clsLvlSrc::MouseMove(int16_t X, int16_t Y) {
    level.MouseMove(X, Y);
    type.MouseMove(X, Y);
    mode.MouseMove(X, Y);
    ok.MouseMove(X, Y);
}

void clsLvlSrc::MouseDown(int16_t /*button*/) {
    level.MouseDown();
    type.MouseDown();
    mode.MouseDown();
    ok.MouseDown();
    Draw();
}

void clsLvlSrc::MouseUp() {
    level.MouseUp();
    type.MouseUp();
    mode.MouseUp();
    Draw();
    if (ok.MouseUp()) StartGame();
}

void clsLvlSrc::StartGame() {
    GameSettings& s = Settings();
    s.Level = level.value;
    s.ChallengeLevel = level.value;
    s.PuzzleType = type.value;
    s.TrainingMode = Training();
    // A new challenge always begins with the first stage and no score.
    if (!s.TrainingMode) {
        s.Stage = 0;
        s.ChallengeScore = 0;
        s.LastStageScore = -1;
    }
    Navigator().DealNewGame();
}
