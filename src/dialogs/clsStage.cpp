#include "dialogs/clsStage.h"

#include "dialogs/GameHold.h"
#include "draw/Text.h"
#include "engine/GameSettings.h"

void clsStage::Show() {
    if (!panel.Open(StageDialog)) return;
    continueButton.init(QStringLiteral("Continue"), 100, 32, 0);
    continueButton.SetLocation(470, 315);
    HoldGame();
    typeName = Settings().StageType[StageIndex()] != 0 ? QStringLiteral("Nonomino")
                                                       : QStringLiteral("Regular");
    timeLimit = StageTimeAllowed();
    Draw();
}

void clsStage::Draw() {
    if (!panel.Draw()) return;
    continueButton.Draw();
    SetFont(QStringLiteral("Arial Black"), 12, FontRegular);
    SetTextColor(255, 255, 255, 255);
    DrawText(360, 235, QStringLiteral("STAGE %1").arg(int{Settings().Stage}));
    DrawText(300, 255, QStringLiteral("Limited Time:"));
    DrawText(430, 255, QStringLiteral("%1 Second").arg(timeLimit));
    DrawText(300, 275, QStringLiteral("Sudoku Type:"));
    DrawText(430, 275, typeName);
}

void clsStage::MouseMove(int16_t X, int16_t Y) { continueButton.MouseMove(X, Y); }

int16_t clsStage::MouseUp() {
    if (continueButton.MouseUp()) ResumeGame();
    return 0;
}

void clsStage::MouseDown(int16_t /*button*/) { continueButton.MouseDown(); }
