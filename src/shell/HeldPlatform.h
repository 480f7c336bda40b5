#pragma once

#include "shell/Platform.h"

#include <memory>

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
