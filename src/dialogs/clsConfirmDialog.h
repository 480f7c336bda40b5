#pragma once

#include "dialogs/OverlayPanel.h"
#include "shell/Screen.h"
#include "widgets/clsButton.h"

#include <QString>
#include <cstdint>

// A question over the board with one or two buttons. Each showing hands out a ticket, so
// the game screen can tell which of its questions an answer belongs to.
class clsConfirmDialog : public Screen {
public:
    int32_t myid = 0; // ticket of the current showing

    // Returns the ticket, never 0, or 0 when refused (not over the game screen).
    int32_t Show(const QString& msg, const QString& t, uint8_t mBtnS_Flg = 0,
                 const QString& cap1 = {}, const QString& cap2 = {});
    void Draw() override;
    void MouseMove(int16_t X, int16_t Y) override;
    // 1 or 2 for the button released over, 0 while the question stays open.
    int16_t MouseUp() override;
    void MouseDown(int16_t button) override;

    const OverlayPanel& Panel() const { return panel; }

private:
    int32_t NextTicket();

    OverlayPanel panel{250, 210, 355, 180, 210, 390};
    clsButton first;
    clsButton second;
    QString message;
    QString title;
    bool twoButtons = false;
    int32_t lastTicket = 0;
};
