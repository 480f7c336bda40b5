#include "shell/Platform.h"

#include "shell/HeldPlatform.h"

#include <utility>

namespace {

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
