#pragma once

#include "common/Screen.h"
#include "screens/screenMenu.h"
#include "widgets/clsButton.h"
#include "widgets/clsRadios.h"
#include "widgets/clsRbtn.h"

#include <cstdint>

// The new-game options: level, mode and (for training) puzzle type, then "OK" to deal.
// Every opening starts from "Easy", "Regular " and "Training ".
class clsLvlSrc : public Screen {
public:
    explicit clsLvlSrc(screenMenu& backdrop) : backdrop(backdrop) {}
    void init();
    void Shown(ScreenId below) override;
    void Draw() override;
    void MouseMove(int16_t X, int16_t Y) override;
    void MouseDown(int16_t button) override;
    void MouseUp() override;

    int16_t LevelChoice() const { return level.value; }
    int16_t TypeChoice() const { return type.value; }
    int16_t ModeChoice() const { return mode.value; }

private:
    bool Training() const { return mode.value != 0; }
    void StartGame();

    screenMenu& backdrop;
    clsRbtn easy;
    clsRbtn normal;
    clsRbtn hard;
    clsRbtn regular;
    clsRbtn nonomino;
    clsRbtn challenge;
    clsRbtn training;
    clsRadios level;
    clsRadios type;
    clsRadios mode;
    clsButton ok;
};
