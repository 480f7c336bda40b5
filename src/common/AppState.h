#pragma once

#include <cstdint>
#include <string>

// Which object receives input and ticks, and the version the game shows.
struct AppState {
    int16_t CurrentScreen = 0;
    std::string VersionText;
    std::string ProgramFolder;  // holds the game and its res/
    std::string RecordsFolder;  // where "hs.rec" and "hhs.rec" live
    std::string SaveFolder;     // where saved games are proposed
    std::string DialogFileName; // the file dialogs' last proposed or chosen name
};

AppState& App();

// "1.42" for major 1, minor 4, revision 2: no separator between minor and revision.
std::string MakeVersionText(int major, int minor, int revision);
