#pragma once

#include "dialogs/OverlayPanel.h"
#include "shell/Screen.h"
#include "widgets/clsButton.h"

#include <cstdint>

// The player's pause: holds the clock and the music until "Continue".
class clsPause : public Screen {
public:
    void Show();
    void Draw() override;
    void MouseMove(int16_t X, int16_t Y) override;
    int16_t MouseUp() override;
    void MouseDown(int16_t button) override;

    const OverlayPanel& Panel() const { return panel; }

private:
    OverlayPanel panel{250, 210, 335, 150, 210, 390};
    clsButton continueButton;
};
