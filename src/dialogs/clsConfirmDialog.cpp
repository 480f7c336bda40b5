#include "dialogs/clsConfirmDialog.h"

#include "common/Navigation.h"
#include "draw/FramePlan.h"
#include "draw/FrameScope.h"
#include "draw/Shapes.h"
#include "draw/Text.h"

#include <utility>

void clsConfirmDialog::Ask(const QString& msg, const QString& t, std::function<void()> onOk,
                           std::function<void()> onCancel) {
    message = msg;
    title = t;
    whenOk = std::move(onOk);
    whenCancel = std::move(onCancel);
}

void clsConfirmDialog::Shown(ScreenId below) {
    panel.Open(below);
    ok.init(QStringLiteral("OK"), 100, 32, 0);
    ok.SetLocation(470, 340);
    cancel.init(QStringLiteral("Cancel"), 100, 32, 0);
    cancel.SetLocation(290, 340);
    Draw();
}

// The dialog is part of the frame of the screen below, which it draws first.
void clsConfirmDialog::Draw() {
    FrameScope frame;
    AddOverlayLook({panel.Step(), ok.Look(), cancel.Look()});
    if (!panel.Draw()) return;
    DrawLine(panel.FrameColor(), 1, 250, 240, 605, 240);
    ok.Draw();
    cancel.Draw();
    SetFont(QStringLiteral("Arial"), 11, FontRegular);
    SetTextColor(255, 255, 255, 255);
    DrawText(260, 215, title);
    DrawText(260, 255, message);
}

void clsConfirmDialog::MouseMove(int16_t X, int16_t Y) {
    ok.MouseMove(X, Y);
    cancel.MouseMove(X, Y);
}

void clsConfirmDialog::MouseDown(int16_t /*button*/) {
    ok.MouseDown();
    cancel.MouseDown();
}

// What an answer does may ask again or leave the screen below, so it runs last.
void clsConfirmDialog::MouseUp() {
    const bool accepted = ok.MouseUp();
    if (!accepted && !cancel.MouseUp()) return;
    Navigator().Show(panel.Beneath());
    const std::function<void()> then = accepted ? std::move(whenOk) : std::move(whenCancel);
    whenOk = whenCancel = nullptr;
    if (then) then();
}
