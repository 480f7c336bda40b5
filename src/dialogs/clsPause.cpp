#include "dialogs/clsPause.h"

#include "dialogs/GameHold.h"
#include "draw/Drawing.h"
#include "draw/GameImages.h"
#include "draw/Text.h"

clsPause::clsPause()
    : OneButtonDialog({250, 210, 335, 150, 210, 390}, QStringLiteral("Continue"), 315) {}

void clsPause::Opened() { HoldGame(); }

void clsPause::DrawContents() {
    DrawImagePart(TheGameImages().Surface, 280, 220, 58, 58, 0, 0, 1.0f, TransparentKey);
    DrawText(360, 245, QStringLiteral("Game Paused"));
}

void clsPause::Clicked() { ResumeGame(); }
