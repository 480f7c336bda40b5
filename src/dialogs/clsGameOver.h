#pragma once

#include "dialogs/OverlayPanel.h"
#include "shell/Screen.h"
#include "widgets/clsButton.h"

#include <cstdint>

// Ends a challenge whose stage ran out of time; "Menu" leads back to the title.
class clsGameOver : public Screen {
public:
    void Show();
    void Draw() override;
    void MouseMove(int16_t X, int16_t Y) override;
    int16_t MouseUp() override;
    void MouseDown(int16_t button) override;

    const OverlayPanel& Panel() const { return panel; }

private:
    OverlayPanel panel{250, 225, 325, 150, 225, 375};
    clsButton menuButton;
};
