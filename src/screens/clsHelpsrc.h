#pragma once

#include "draw/Picture.h"
#include "shell/Screen.h"
#include "widgets/clsButton.h"

#include <cstdint>

// Six help pages over the title screen's background, turned with "Back" and "Next". It
// returns to the screen it was opened from, and reopens on the page shown last.
class clsHelpsrc : public Screen {
public:
    // Once, at start-up: the page carries over from one visit to the next.
    void init();
    void Show();
    void Unshow();
    void Draw() override;
    void MouseMove(int16_t X, int16_t Y) override;
    void MouseDown(int16_t button) override;
    int16_t MouseUp() override;

private:
    void ShowPage(int16_t shown);

    clsButton close;
    clsButton back;
    clsButton next;
    ImageHandle shownPage; // only the page on screen is loaded
    int16_t page = 0;
    int16_t returnScreen = 0;
};
