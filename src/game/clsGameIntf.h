#pragma once

#include "shell/Screen.h"

#include <QString>
#include <cstdint>

// The game screen: board, number pad, command buttons, options and clock.
class clsGameIntf : public Screen {
public:
    int16_t TC = 0;
    bool Win = false;

    void CONSTinit() {}
    void init() {}
    void Reload() {}
    void Draw() override {}
    void SelectNumber(int16_t) {}
    void EnterPress() {}
    void MoveSelectedGrid(uint8_t) {}
    void Settimer(const QString&) {}
    void SetTC(int16_t) {}
    void FlashChk() {}
    void DlgRetCallback(int16_t) {}
};
