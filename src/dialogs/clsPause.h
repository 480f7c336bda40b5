#pragma once

#include "shell/Screen.h"

class clsPause : public Screen {
public:
    void Show() {}
    void Draw() override {}
};
