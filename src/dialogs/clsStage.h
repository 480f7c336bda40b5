#pragma once

#include "dialogs/OneButtonDialog.h"

#include <QString>
#include <cstdint>

// Announces a challenge stage (number, time limit, puzzle type) and holds the clock and
// the music until the player starts it with "Continue".
class clsStage : public OneButtonDialog {
public:
    clsStage();

    const QString& TypeName() const { return typeName; }
    int16_t TimeLimit() const { return timeLimit; }

private:
    void Opened() override;
    void DrawContents() override;
    void Clicked() override;

    QString typeName;
    int16_t timeLimit = 0;
};
