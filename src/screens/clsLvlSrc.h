#pragma once

#include "shell/Screen.h"

class clsLvlSrc : public Screen {
public:
    void init() {}
    void Draw() override {}
};
