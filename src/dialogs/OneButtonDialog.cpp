#include "dialogs/OneButtonDialog.h"

#include "draw/FramePlan.h"
#include "draw/FrameScope.h"
#include "draw/Text.h"

OneButtonDialog::OneButtonDialog(const OverlayPanel& panel, const QString& caption,
                                 int16_t buttonTop)
    : panel(panel), caption(caption), buttonTop(buttonTop) {}

void OneButtonDialog::Shown(ScreenId below) {
    panel.Open(below);
    button.init(caption, 100, 32, 0);
    button.SetLocation(470, buttonTop);
    Opened();
    Draw();
}

// The dialog is part of the board's frame, which it draws first.
void OneButtonDialog::Draw() {
    FrameScope frame;
    AddOverlayLook({panel.Step(), button.Look(), ContentsLook()});
    if (!panel.Draw()) return;
    button.Draw();
    SetFont(QStringLiteral("Arial Black"), 12, FontRegular);
    SetTextColor(255, 255, 255, 255);
    DrawContents();
}

void OneButtonDialog::MouseMove(int16_t X, int16_t Y) { button.MouseMove(X, Y); }

void OneButtonDialog::MouseDown(int16_t /*button*/) { button.MouseDown(); }

void OneButtonDialog::MouseUp() {
    if (button.MouseUp()) Clicked();
}
