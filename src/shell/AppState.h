#pragma once

#include <cstdint>
#include <string>

// Which object receives input and ticks, and the version the game shows.
struct AppState {
    int16_t CurrentScreen = 0;
    std::string VersionText;
    std::string ProgramFolder;
};

AppState& App();

// "1.42" for major 1, minor 4, revision 2: no separator between minor and revision.
std::string MakeVersionText(int major, int minor, int revision);
