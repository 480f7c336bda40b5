#include "dialogs/clsGameOver.h"

#include "dialogs/FinalScore.h"
#include "draw/Text.h"
#include "shell/Dispatcher.h"

clsGameOver::clsGameOver()
    : OneButtonDialog({250, 225, 325, 150, 225, 375}, QStringLiteral("Menu"), 335) {}

void clsGameOver::Show() {
    if (Open(GameOverDialog)) Draw();
}

void clsGameOver::DrawContents() {
    DrawText(370, 275, QStringLiteral("Game over. "));
    DrawFinalScore();
}

void clsGameOver::Clicked() { ReturnToMenu(); }
