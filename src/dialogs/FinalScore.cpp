#include "dialogs/FinalScore.h"

#include "draw/Text.h"
#include "engine/GameSettings.h"

void DrawFinalScore() {
    DrawText(370, 300, QStringLiteral("Final score: %1").arg(Settings().ChallengeScore));
}
