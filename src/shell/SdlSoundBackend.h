#pragma once

#include "common/SoundBackend.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// Plays the game's sound commands with SDL_mixer, a library made for game audio: the
// music streams from its file, the effects are held decoded. The library is loaded, the
// device opened and every command run on one thread of the backend's own, so the game
// never waits for audio. Without the library or an audio device the game says once that
// sound is off, and every command does nothing; so does every command for an alias whose
// file was missing or undecodable.
class SdlSoundBackend : public SoundBackend {
public:
    static constexpr const char* Library = "libSDL2_mixer-2.0.so.0";

    explicit SdlSoundBackend(std::string library = Library);
    ~SdlSoundBackend() override;

    void Send(const std::string& command) override;

    // Answered once every command sent before has run.
    bool IsOpen(const std::string& alias);
    bool IsPlaying(const std::string& alias);
    // Seconds into the music track; 0 for anything else.
    double Position(const std::string& alias);

    class Mixer;

private:
    using Job = std::function<void(Mixer*)>;
    void Post(Job job);
    template <typename T> T Ask(std::function<T(Mixer*)> question);
    void Run(const std::string& library);

    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Job> jobs;
    bool stopping = false;
    bool silent = false; // no library or no device: nothing to wait for
    std::thread worker;
};

// The game's sound: SDL_mixer, started on its own thread.
std::unique_ptr<SoundBackend> MakeSoundBackend();
