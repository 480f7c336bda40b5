#pragma once

#include "common/Screen.h"
#include "dialogs/OverlayPanel.h"
#include "widgets/clsButton.h"

#include <QString>
#include <cstdint>
#include <functional>

// A question over whichever screen is current, answered with "OK" or "Cancel". Either
// answer puts the screen below back; OK then does what the asker wanted done.
class clsConfirmDialog : public Screen {
public:
    // The question the next showing asks, and what each answer does.
    void Ask(const QString& msg, const QString& t, std::function<void()> onOk,
             std::function<void()> onCancel);
    void Shown(ScreenId below) override;
    void Draw() override;
    void MouseMove(int16_t X, int16_t Y) override;
    void MouseDown(int16_t button) override;
    void MouseUp() override;

    const OverlayPanel& Panel() const { return panel; }

private:
    OverlayPanel panel{250, 210, 355, 180, 210, 390};
    clsButton ok;
    clsButton cancel;
    QString message;
    QString title;
    std::function<void()> whenOk;
    std::function<void()> whenCancel;
};
