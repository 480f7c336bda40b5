#pragma once

#include "dialogs/OverlayPanel.h"
#include "draw/Picture.h"
#include "shell/Screen.h"
#include "widgets/clsButton.h"

#include <cstdint>

// Congratulates the player at the end of a game; "OK" leads back to the title. While
// Ctrl+A is held it shows the credits instead.
class clsWinDlg : public Screen {
public:
    bool CAI = false; // the credits are shown

    void Show();
    void Draw() override;
    void MouseMove(int16_t X, int16_t Y) override;
    int16_t MouseUp() override;
    void MouseDown(int16_t button) override;

    const OverlayPanel& Panel() const { return panel; }

private:
    void DrawCongratulations();
    void DrawCredits();

    OverlayPanel panel{250, 225, 325, 150, 225, 375};
    clsButton okButton;
    ImageHandle credits;
};
