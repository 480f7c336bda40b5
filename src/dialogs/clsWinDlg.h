#pragma once

#include "dialogs/OneButtonDialog.h"
#include "draw/Picture.h"

// Congratulates the player at the end of a game; "OK" leads back to the title. While
// Ctrl+A is held it shows the credits instead.
class clsWinDlg : public OneButtonDialog {
public:
    bool showCredits = false; // while Ctrl+A is held

    clsWinDlg();

private:
    void DrawContents() override;
    void Opened() override;
    uint32_t ContentsLook() const override { return showCredits; }
    void Clicked() override;

    ImageHandle credits;
};
