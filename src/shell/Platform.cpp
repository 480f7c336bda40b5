#include "shell/Platform.h"

#include <utility>

namespace {

std::unique_ptr<Platform>& Installed() {
    static std::unique_ptr<Platform> platform;
    return platform;
}

} // namespace

Platform& ThePlatform() { return *Installed(); }

void SetPlatform(std::unique_ptr<Platform> platform) { Installed() = std::move(platform); }
