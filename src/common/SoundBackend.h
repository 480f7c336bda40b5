#pragma once

#include <memory>
#include <string>

// Receives the game's sound commands ("open <path> type MPEGVideo alias bg1",
// "play Click from 0", "stop bg2", "setaudio bg1 volume to 50", "close Con").
// A command for an alias that failed to open does nothing.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    virtual void Send(const std::string& command) = 0;
};

SoundBackend* TheSoundBackend();
void SetSoundBackend(std::unique_ptr<SoundBackend> backend);
