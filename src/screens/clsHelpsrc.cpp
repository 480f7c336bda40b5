#include "screens/clsHelpsrc.h"

#include "common/AppState.h"
#include "common/GameClock.h"
#include "common/Navigation.h"
#include "draw/Drawing.h"
#include "draw/FrameScope.h"
#include "screens/screenMenu.h"

namespace {

constexpr int16_t LastPage = 5;

// A button greyed out under the pointer would look hovered again when it comes back.
void Enable(clsButton& button, bool enabled) {
    button.SetEnabled(enabled);
    if (!enabled) button.Rest();
}

void Place(clsButton& button, const QString& caption, int16_t left) {
    button.init(caption, 120, 38, 0);
    button.SetLocation(left, 530);
}

} // namespace

void clsHelpsrc::init() {
    Place(close, QStringLiteral("Close"), 50);
    Place(back, QStringLiteral("Back"), 480);
    Place(next, QStringLiteral("Next"), 615);
    backdrop.reset();
    page = 0;
    Enable(back, false);
}

// A decoded page is almost 2 MB, so only the one on screen is kept, and none once help
// is closed.
void clsHelpsrc::ShowPage(int16_t shown) {
    shownPage.reset();
    page = shown;
    shownPage = LoadImage(App().ProgramFolder + "/res/help" + std::to_string(page + 1) + ".png");
}

// The game clock stands still while the player reads.
void clsHelpsrc::Shown(ScreenId below) {
    returnScreen = below;
    Clock().ctimer = false;
    ShowPage(page);
    // The click that closed help last time left "Close" hovered.
    close.Rest();
    back.Rest();
    next.Rest();
}

void clsHelpsrc::Unshow() {
    shownPage.reset();
    Navigator().Show(returnScreen);
    if (returnScreen != GameScreen) return;
    Clock().ctimer = true;
    backdrop.ReleaseLayer();
}

void clsHelpsrc::Draw() {
    FrameScope frame;
    backdrop.BackRedraw(2, this, {static_cast<uint32_t>(page)},
                        {close.Part(), back.Part(), next.Part()}, screenMenu::TitleArea());
    backdrop.DrawTitle();
    // The pages carry their own transparency, through which the background shows.
    const DrawState& d = Drawing();
    DrawImagePart(shownPage, 0, 0, d.ScreenWidth, d.ScreenHeight, 0, 0);
    close.Draw();
    back.Draw();
    next.Draw();
}

void clsHelpsrc::MouseMove(int16_t X, int16_t Y) {
    close.MouseMove(X, Y);
    back.MouseMove(X, Y);
    next.MouseMove(X, Y);
}

void clsHelpsrc::MouseDown(int16_t /*button*/) {
    close.MouseDown();
    back.MouseDown();
    next.MouseDown();
}

void clsHelpsrc::MouseUp() {
    if (close.MouseUp()) {
        Unshow();
    } else if (back.MouseUp()) {
        ShowPage(static_cast<int16_t>(page - 1));
        Enable(back, page != 0);
        Enable(next, true);
    } else if (next.MouseUp()) {
        ShowPage(static_cast<int16_t>(page + 1));
        Enable(next, page != LastPage);
        Enable(back, true);
    }
}
