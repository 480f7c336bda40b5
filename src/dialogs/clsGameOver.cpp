#include "dialogs/clsGameOver.h"

#include "common/Navigation.h"
#include "dialogs/FinalScore.h"
#include "draw/Text.h"

clsGameOver::clsGameOver()
    : OneButtonDialog({250, 225, 325, 150, 225, 375}, QStringLiteral("Menu"), 335) {}

void clsGameOver::DrawContents() {
    DrawText(370, 275, QStringLiteral("Game over. "));
    DrawFinalScore();
}

void clsGameOver::Clicked() { Navigator().ReturnToMenu(); }
