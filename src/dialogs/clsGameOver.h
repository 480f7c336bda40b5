#pragma once

#include "shell/Screen.h"

class clsGameOver : public Screen {
public:
    void Show() {}
    void Draw() override {}
};
