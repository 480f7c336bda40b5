#pragma once

#include "dialogs/OneButtonDialog.h"

// Ends a challenge whose stage ran out of time; "Menu" leads back to the title.
class clsGameOver : public OneButtonDialog {
public:
    clsGameOver();

private:
    void DrawContents() override;
    void Clicked() override;
};
