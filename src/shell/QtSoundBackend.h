#pragma once

#include "shell/SoundBackend.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class QAudioOutput;
class QMediaPlayer;

// Plays the game's sound commands with Qt Multimedia. An alias whose file is missing,
// unreadable or undecodable stays closed, and every command for it does nothing; the
// players run asynchronously, so no command waits for audio.
class QtSoundBackend : public SoundBackend {
public:
    // One command split into its parts; words the game never sends give no command.
    struct Command {
        std::string verb; // open, play, stop, close, setaudio
        std::string alias;
        std::string path;    // open only
        bool repeat = false; // play: loop until stopped, else restart from the start
        int volume = 0;      // setaudio: 0..100
    };

    QtSoundBackend();
    ~QtSoundBackend() override;

    void Send(const std::string& command) override;

    static std::optional<Command> Parse(const std::string& command);
    bool IsOpen(const std::string& alias) const;

private:
    struct Channel {
        std::unique_ptr<QAudioOutput> output;
        std::unique_ptr<QMediaPlayer> player;
        bool failed = false;
    };

    void Open(const Command& command);
    QMediaPlayer* PlayerFor(const std::string& alias);

    std::map<std::string, std::unique_ptr<Channel>> channels;
};

// Whether the system has an audio output; asking is quiet, unlike opening a player.
bool HasAudioOutput();

// The Qt backend when there is an audio output. Without one the game says once that
// sound is off and plays nothing: creating players would only fill the terminal with
// the audio libraries' errors.
std::unique_ptr<SoundBackend> MakeSoundBackend(const std::function<bool()>& hasAudioOutput);
