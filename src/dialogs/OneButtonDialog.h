#pragma once

#include "dialogs/OverlayPanel.h"
#include "shell/Screen.h"
#include "widgets/clsButton.h"

#include <QString>
#include <cstdint>

// An overlay dialog with a single button at its lower right whose click ends it: pause,
// stage, win and game over.
class OneButtonDialog : public Screen {
public:
    void Draw() final;
    void MouseMove(int16_t X, int16_t Y) final;
    void MouseDown(int16_t button) final;
    int16_t MouseUp() final;

    const OverlayPanel& Panel() const { return panel; }

protected:
    OneButtonDialog(const OverlayPanel& panel, const QString& caption, int16_t buttonTop);
    ~OneButtonDialog() override = default;

    // Opens over the game screen with the button in place; false when refused.
    bool Open(ScreenId dialog);
    // Drawn once the panel is fully open, with the dialogs' white "Arial Black" selected.
    virtual void DrawContents() = 0;
    // Whatever changes how the contents look while the dialog is open.
    virtual uint32_t ContentsLook() const { return 0; }
    virtual void Clicked() = 0;

private:
    OverlayPanel panel;
    QString caption;
    int16_t buttonTop;
    clsButton button;
};
