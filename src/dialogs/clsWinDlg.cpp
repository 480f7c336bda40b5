#include "dialogs/clsWinDlg.h"

#include "common/AppState.h"
#include "common/Navigation.h"
#include "dialogs/FinalScore.h"
#include "draw/Drawing.h"
#include "draw/GameImages.h"
#include "draw/Text.h"
#include "engine/GameSettings.h"

clsWinDlg::clsWinDlg()
    : OneButtonDialog({250, 225, 325, 150, 225, 375}, QStringLiteral("OK"), 335) {}

void clsWinDlg::Opened() {
    showCredits = false;
    credits = LoadImage(App().ProgramFolder + "/res/resd.cng");
}

void clsWinDlg::DrawContents() {
    if (showCredits) {
        DrawText(360, 225, QStringLiteral("Desing & Program:\r\n Orvandel."));
        DrawText(360, 300, QStringLiteral("Thanks my wife:\r\n  Sefine!"));
        DrawImagePart(credits, 255, 228, 100, 100, 0, 0);
    } else {
        DrawImagePart(TheGameImages().Surface, 300, 245, 58, 58, 58, 0, 1.0f, TransparentKey);
        DrawText(370, 275, QStringLiteral("Congratulations! "));
        if (!Settings().TrainingMode) DrawFinalScore();
    }
}

void clsWinDlg::Clicked() { Navigator().ReturnToMenu(); }
