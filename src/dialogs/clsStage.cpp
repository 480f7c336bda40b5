#include "dialogs/clsStage.h"

#include "dialogs/GameHold.h"
#include "draw/Text.h"
#include "engine/GameSettings.h"

clsStage::clsStage()
    : OneButtonDialog({250, 210, 335, 150, 210, 390}, QStringLiteral("Continue"), 315) {}

void clsStage::Opened() {
    HoldGame();
    typeName = Settings().StageType[StageIndex()] != 0 ? QStringLiteral("Nonomino")
                                                       : QStringLiteral("Regular");
    timeLimit = StageTimeAllowed();
}

void clsStage::DrawContents() {
    DrawText(360, 235, QStringLiteral("STAGE %1").arg(int{Settings().Stage}));
    DrawText(300, 255, QStringLiteral("Limited Time:"));
    DrawText(430, 255, QStringLiteral("%1 Second").arg(timeLimit));
    DrawText(300, 275, QStringLiteral("Sudoku Type:"));
    DrawText(430, 275, typeName);
    // The running score, with what the last stage added when that is known.
    const GameSettings& s = Settings();
    QString score = QString::number(s.ChallengeScore);
    if (s.LastStageScore >= 0) score += QStringLiteral(" (+%1)").arg(s.LastStageScore);
    DrawText(300, 295, QStringLiteral("Score:"));
    DrawText(430, 295, score);
}

void clsStage::Clicked() { ResumeGame(); }
