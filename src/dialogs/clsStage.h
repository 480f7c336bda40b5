#pragma once

#include "shell/Screen.h"

class clsStage : public Screen {
public:
    void Show() {}
    void Draw() override {}
};
