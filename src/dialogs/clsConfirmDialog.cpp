#include "dialogs/clsConfirmDialog.h"

#include "draw/FramePlan.h"
#include "draw/FrameScope.h"
#include "draw/Shapes.h"
#include "draw/Text.h"
#include "shell/AppState.h"

#include <limits>

int32_t clsConfirmDialog::Show(const QString& msg, const QString& t, uint8_t mBtnS_Flg,
                               const QString& cap1, const QString& cap2) {
    if (!panel.Open(ConfirmDialog)) return 0;
    message = msg;
    title = t;
    twoButtons = mBtnS_Flg != 0;
    first.init(cap1, 100, 32, 0);
    first.SetLocation(470, 340);
    second.init(cap2, 100, 32, 0);
    second.SetLocation(290, 340);
    Draw();
    myid = NextTicket();
    return myid;
}

// 0 stands for "no question" in the game screen's ticket fields, so it is never issued.
int32_t clsConfirmDialog::NextTicket() {
    lastTicket = lastTicket == std::numeric_limits<int32_t>::max() ? 1 : lastTicket + 1;
    return lastTicket;
}

// The dialog is part of the board's frame, which it draws first.
void clsConfirmDialog::Draw() {
    FrameScope frame;
    AddOverlayLook({panel.Step(), first.Look(), second.Look(), twoButtons});
    if (!panel.Draw()) return;
    DrawLine(panel.FrameColor(), 1, 250, 240, 605, 240);
    first.Draw();
    if (twoButtons) second.Draw();
    SetFont(QStringLiteral("Arial"), 11, FontRegular);
    SetTextColor(255, 255, 255, 255);
    DrawText(260, 215, title);
    DrawText(260, 255, message);
}

void clsConfirmDialog::MouseMove(int16_t X, int16_t Y) {
    first.MouseMove(X, Y);
    if (twoButtons) second.MouseMove(X, Y);
}

void clsConfirmDialog::MouseDown(int16_t /*button*/) {
    first.MouseDown();
    if (twoButtons) second.MouseDown();
}

int16_t clsConfirmDialog::MouseUp() {
    int16_t answer = 0;
    if (first.MouseUp()) {
        answer = 1;
    } else if (twoButtons && second.MouseUp()) {
        answer = 2;
    }
    if (answer != 0) App().CurrentScreen = GameScreen;
    return answer;
}
