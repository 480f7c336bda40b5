#include "common/Navigation.h"

#include <utility>

namespace {

std::unique_ptr<Navigation>& Installed() {
    static std::unique_ptr<Navigation> navigator;
    return navigator;
}

} // namespace

Navigation& Navigator() { return *Installed(); }

void SetNavigator(std::unique_ptr<Navigation> navigator) { Installed() = std::move(navigator); }
