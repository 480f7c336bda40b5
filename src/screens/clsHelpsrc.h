#pragma once

#include "common/Screen.h"
#include "draw/Picture.h"
#include "screens/screenMenu.h"
#include "widgets/clsButton.h"

#include <cstdint>

// Six help pages over the title screen's background, turned with "Back" and "Next". It
// returns to the screen it was opened from, and reopens on the page shown last.
class clsHelpsrc : public Screen {
public:
    // Over the falling digits of the title's backdrop.
    explicit clsHelpsrc(screenMenu& backdrop) : backdrop(backdrop) {}
    // Once, at start-up: the page carries over from one visit to the next.
    void init();
    void Shown(ScreenId below) override;
    void Unshow();
    // The screen that closing help goes back to.
    ScreenId ReturnScreen() const { return returnScreen; }
    void Draw() override;
    void MouseMove(int16_t X, int16_t Y) override;
    void MouseDown(int16_t button) override;
    void MouseUp() override;

private:
    void ShowPage(int16_t shown);

    screenMenu& backdrop;
    clsButton close;
    clsButton back;
    clsButton next;
    ImageHandle shownPage; // only the page on screen is loaded
    int16_t page = 0;
    ScreenId returnScreen = TitleScreen;
};
