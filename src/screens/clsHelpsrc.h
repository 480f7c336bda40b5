#pragma once

#include "shell/Screen.h"

// The help screen; its pages come with the help itself.
class clsHelpsrc : public Screen {
public:
    void init() {}
    void Draw() override {}
};
