#pragma once

#include <optional>
#include <string>

// One of the game's sound commands split into its parts.
struct SoundCommand {
    std::string verb; // open, play, stop, close, setaudio
    std::string alias;
    std::string path;    // open only
    bool repeat = false; // play: loop until stopped, else restart from the start
    int volume = 0;      // setaudio: 0..100
};

// Words the game never sends give no command.
std::optional<SoundCommand> ParseSoundCommand(const std::string& command);
