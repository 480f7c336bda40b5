#include "common/Platform.h"

#include "common/ClockHold.h"

#include <utility>

namespace {

// The installed platform with the game clock held while any of its windows is open: no
// time passes, and no challenge stage runs out, behind a window the player must answer.
class HeldPlatform : public Platform {
public:
    explicit HeldPlatform(std::unique_ptr<Platform> windows) : windows(std::move(windows)) {}

    std::string AskSaveFileName(const std::string& title, const std::string& filter,
                                const std::string& proposed) override;
    std::string AskOpenFileName(const std::string& title, const std::string& filter,
                                const std::string& proposed) override;
    Answer MessageBox(const std::string& text, const std::string& title, Buttons buttons,
                      Icon icon) override;
    std::string AskName(const std::string& prompt, const std::string& title,
                        int maxLength) override;
    bool HasDefaultPrinter() override { return windows->HasDefaultPrinter(); }

private:
    std::unique_ptr<Platform> windows;
};

std::string HeldPlatform::AskSaveFileName(const std::string& title, const std::string& filter,
                                          const std::string& proposed) {
    ClockHold hold;
    return windows->AskSaveFileName(title, filter, proposed);
}

std::string HeldPlatform::AskOpenFileName(const std::string& title, const std::string& filter,
                                          const std::string& proposed) {
    ClockHold hold;
    return windows->AskOpenFileName(title, filter, proposed);
}

Platform::Answer HeldPlatform::MessageBox(const std::string& text, const std::string& title,
                                          Buttons buttons, Icon icon) {
    ClockHold hold;
    return windows->MessageBox(text, title, buttons, icon);
}

std::string HeldPlatform::AskName(const std::string& prompt, const std::string& title,
                                  int maxLength) {
    ClockHold hold;
    return windows->AskName(prompt, title, maxLength);
}

std::unique_ptr<Platform>& Installed() {
    static std::unique_ptr<Platform> platform;
    return platform;
}

} // namespace

Platform& ThePlatform() { return *Installed(); }

void SetPlatform(std::unique_ptr<Platform> platform) {
    Installed() = platform ? std::make_unique<HeldPlatform>(std::move(platform)) : nullptr;
}

void TellPlayer(const std::string& text, Platform::Icon icon) {
    ThePlatform().MessageBox(text, ProgramTitle, Platform::Buttons::Ok, icon);
}

bool AskToReplace() {
    return ThePlatform().MessageBox("File already exists. Do you want to replace it?", "Save file",
                                    Platform::Buttons::YesNo,
                                    Platform::Icon::Question) == Platform::Answer::Yes;
}
