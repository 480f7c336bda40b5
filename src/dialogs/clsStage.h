#pragma once

#include "dialogs/OverlayPanel.h"
#include "shell/Screen.h"
#include "widgets/clsButton.h"

#include <QString>
#include <cstdint>

// Announces a challenge stage (number, time limit, puzzle type) and holds the clock and
// the music until the player starts it with "Continue".
class clsStage : public Screen {
public:
    void Show();
    void Draw() override;
    void MouseMove(int16_t X, int16_t Y) override;
    int16_t MouseUp() override;
    void MouseDown(int16_t button) override;

    const OverlayPanel& Panel() const { return panel; }
    const QString& TypeName() const { return typeName; }
    int16_t TimeLimit() const { return timeLimit; }

private:
    OverlayPanel panel{250, 210, 335, 150, 210, 390};
    clsButton continueButton;
    QString typeName;
    int16_t timeLimit = 0;
};
