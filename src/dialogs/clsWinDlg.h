#pragma once

#include "dialogs/OneButtonDialog.h"
#include "draw/Picture.h"

// Congratulates the player at the end of a game; "OK" leads back to the title. While
// Ctrl+A is held it shows the credits instead.
class clsWinDlg : public OneButtonDialog {
public:
    bool CAI = false; // the credits are shown

    clsWinDlg();
    void Show();

private:
    void DrawContents() override;
    uint32_t ContentsLook() const override { return CAI; }
    void Clicked() override;

    ImageHandle credits;
};
