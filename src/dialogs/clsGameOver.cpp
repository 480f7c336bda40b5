#include "dialogs/clsGameOver.h"

#include "draw/Text.h"
#include "shell/Dispatcher.h"

void clsGameOver::Show() {
    if (!panel.Open(GameOverDialog)) return;
    menuButton.init(QStringLiteral("Menu"), 100, 32, 0);
    menuButton.SetLocation(470, 335);
    Draw();
}

void clsGameOver::Draw() {
    if (!panel.Draw()) return;
    menuButton.Draw();
    SetFont(QStringLiteral("Arial Black"), 12, FontRegular);
    SetTextColor(255, 255, 255, 255);
    DrawText(370, 275, QStringLiteral("Game over. "));
}

void clsGameOver::MouseMove(int16_t X, int16_t Y) { menuButton.MouseMove(X, Y); }

int16_t clsGameOver::MouseUp() {
    if (menuButton.MouseUp()) ReturnToMenu();
    return 0;
}

void clsGameOver::MouseDown(int16_t /*button*/) { menuButton.MouseDown(); }
