#pragma once

#include "shell/Screen.h"

#include <cstdint>

class screenMenu : public Screen {
public:
    void init() {}
    void reset() {}
    void DrawTitle() {}
    void BackRedraw(int16_t) {}
    void Draw() override {}
};
