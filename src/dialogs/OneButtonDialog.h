#pragma once

#include "common/Screen.h"
#include "dialogs/OverlayPanel.h"
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
    void MouseUp() final;
    // They open over the board only, which they return to.
    bool CanOpenOver(ScreenId below) const final { return below == GameScreen; }
    void Shown(ScreenId below) final;

    const OverlayPanel& Panel() const { return panel; }

protected:
    OneButtonDialog(const OverlayPanel& panel, const QString& caption, int16_t buttonTop);
    ~OneButtonDialog() override = default;

    // What the dialog does as it opens, before its first drawing.
    virtual void Opened() {}
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
