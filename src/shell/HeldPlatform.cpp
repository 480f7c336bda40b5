#include "shell/HeldPlatform.h"

#include "shell/ClockHold.h"

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
