#pragma once

#include "shell/Screen.h"

// The best-records screen; it shows nothing until the records are kept.
class clsHscore : public Screen {
public:
    void init() {}
    void Draw() override {}
};
