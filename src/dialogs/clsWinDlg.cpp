#include "dialogs/clsWinDlg.h"

#include "draw/Drawing.h"
#include "draw/Text.h"
#include "game/GameImages.h"
#include "shell/AppState.h"
#include "shell/Dispatcher.h"

void clsWinDlg::Show() {
    if (!panel.Open(WinDialog)) return;
    CAI = false;
    okButton.init(QStringLiteral("OK"), 100, 32, 0);
    okButton.SetLocation(470, 335);
    credits = LoadImage(App().ProgramFolder + "/res/resd.cng");
    Draw();
}

void clsWinDlg::Draw() {
    if (!panel.Draw()) return;
    okButton.Draw();
    SetFont(QStringLiteral("Arial Black"), 12, FontRegular);
    SetTextColor(255, 255, 255, 255);
    if (CAI) {
        DrawCredits();
    } else {
        DrawCongratulations();
    }
}

void clsWinDlg::DrawCongratulations() {
    DrawImagePart(TheGameImages().Surface, 300, 245, 58, 58, 58, 0, 1.0f, TransparentKey);
    DrawText(370, 275, QStringLiteral("Congratulations! "));
}

void clsWinDlg::DrawCredits() {
    DrawText(360, 225, QStringLiteral("Desing & Program:\r\n Orvandel."));
    DrawText(360, 300, QStringLiteral("Thanks my wife:\r\n  Sefine!"));
    DrawImagePart(credits, 255, 228, 100, 100, 0, 0);
}

void clsWinDlg::MouseMove(int16_t X, int16_t Y) { okButton.MouseMove(X, Y); }

int16_t clsWinDlg::MouseUp() {
    if (okButton.MouseUp()) ReturnToMenu();
    return 0;
}

void clsWinDlg::MouseDown(int16_t /*button*/) { okButton.MouseDown(); }
