#include "dialogs/clsPause.h"

#include "dialogs/GameHold.h"
#include "draw/Drawing.h"
#include "draw/Text.h"
#include "game/GameImages.h"

void clsPause::Show() {
    if (!panel.Open(PauseDialog)) return;
    continueButton.init(QStringLiteral("Continue"), 100, 32, 0);
    continueButton.SetLocation(470, 315);
    HoldGame();
    Draw();
}

void clsPause::Draw() {
    if (!panel.Draw()) return;
    continueButton.Draw();
    DrawImagePart(TheGameImages().Surface, 280, 220, 58, 58, 0, 0, 1.0f, TransparentKey);
    SetFont(QStringLiteral("Arial Black"), 12, FontRegular);
    SetTextColor(255, 255, 255, 255);
    DrawText(360, 245, QStringLiteral("Game Paused"));
}

void clsPause::MouseMove(int16_t X, int16_t Y) { continueButton.MouseMove(X, Y); }

int16_t clsPause::MouseUp() {
    if (continueButton.MouseUp()) ResumeGame();
    return 0;
}

void clsPause::MouseDown(int16_t /*button*/) { continueButton.MouseDown(); }
