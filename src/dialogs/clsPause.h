#pragma once

#include "dialogs/OneButtonDialog.h"

// The player's pause: holds the clock and the music until "Continue".
class clsPause : public OneButtonDialog {
public:
    clsPause();

private:
    void Opened() override;
    void DrawContents() override;
    void Clicked() override;
};
