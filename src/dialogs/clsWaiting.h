#pragma once

#include "shell/Screen.h"

class clsWaiting : public Screen {
public:
    void BeginNew() {}
    void BeginLoad() {}
    void Draw() override {}
};
