#pragma once

#include "shell/Screen.h"

class clsWinDlg : public Screen {
public:
    bool CAI = false;
    void Show() {}
    void Draw() override {}
};
