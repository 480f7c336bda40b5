#pragma once

#include <string>
#include <vector>

// What the player asked for when starting the game from a shell or a file manager.
struct CommandLine {
    enum class Action { Play, Help, Version, Mistake };
    Action action = Action::Play;
    std::string savedGame; // the saved game to start on; empty for the title screen
    std::string mistake;   // why the command line cannot be followed
};

// The arguments after the program name. --help and --version win wherever they stand, so
// they work even beside options the windowing system would take.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text of --help and the line of --version.
std::string HelpText();
std::string VersionLine();
