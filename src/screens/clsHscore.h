#pragma once

#include "common/Screen.h"
#include "screens/screenMenu.h"
#include "widgets/clsButton.h"

#include <QBrush>
#include <QString>
#include <array>
#include <cstdint>

// The best records of both modes, one tab each, over the title screen's falling digits.
// Every opening shows the challenge tab.
class clsHscore : public Screen {
public:
    explicit clsHscore(screenMenu& backdrop) : backdrop(backdrop) {}
    void init();
    void Shown(ScreenId below) override;
    void Draw() override;
    void MouseMove(int16_t X, int16_t Y) override;
    void MouseDown(int16_t button) override;
    void MouseUp() override;

private:
    void DrawRow(int16_t level, int top);

    screenMenu& backdrop;
    clsButton close;
    std::array<QString, 3> levelNames;
    int16_t selectedTab = 0; // 0 challenge, 1 training
    int16_t hoveredTab = -1;
    QBrush bright;
    QBrush dim;
};
