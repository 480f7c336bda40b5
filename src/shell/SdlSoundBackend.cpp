#include "shell/SdlSoundBackend.h"

#include "common/SoundCommand.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <future>
#include <iostream>
#include <map>

namespace {

bool IsWave(const std::string& path) {
    std::string tail = path.size() >= 4 ? path.substr(path.size() - 4) : path;
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail == ".wav";
}

constexpr const char* NoDevice = "Korvel Sudoku: no audio device found, sound is off.\n";

int MixerVolume(int percent) { return std::clamp(percent, 0, 100) * MIX_MAX_VOLUME / 100; }

// ALSA reports a missing card in eight lines of its own; the game says it in one.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}
using AlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);

// Whether a sound server or card could be there. The library pins its audio and codec
// libraries in memory once loaded (about 2 MiB), so without either it is not loaded at all.
// A driver named for the library, or a server named, is always tried.
bool OutputMayExist() {
    for (const char* named : {"SDL_AUDIODRIVER", "PULSE_SERVER", "AUDIODEV"}) {
        if (std::getenv(named)) return true;
    }
    namespace fs = std::filesystem;
    std::error_code error;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR")) {
        for (const char* socket : {"pulse/native", "pipewire-0"}) {
            if (fs::exists(fs::path(runtime) / socket, error)) return true;
        }
    }
    if (fs::exists("/dev/dsp", error)) return true;
    for (const auto& entry : fs::directory_iterator("/dev/snd", error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("pcm", 0) == 0 && name.back() == 'p') return true; // a playback device
    }
    return false;
}

} // namespace

// The library's functions, loaded when sound starts rather than linked, so that its many
// codec libraries cost start-up nothing; and what is open. Used by the backend's thread
// only.
class SdlSoundBackend::Mixer {
public:
    // None when the library or an audio device is missing; the terminal is told why.
    static std::unique_ptr<Mixer> Open(const std::string& library) {
        if (!OutputMayExist()) {
            std::cerr << NoDevice;
            return nullptr;
        }
        auto mixer = std::unique_ptr<Mixer>(new Mixer);
        // Never closed: the audio libraries it brings keep threads and exit handlers.
        mixer->handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!mixer->handle || !mixer->Bind()) {
            std::cerr << "Korvel Sudoku: the sound library " << library
                      << " is not installed, sound is off.\n";
            return nullptr;
        }
        using SetAlsaHandler = int (*)(AlsaErrorHandler);
        if (auto quiet = reinterpret_cast<SetAlsaHandler>(
                dlsym(mixer->handle, "snd_lib_error_set_handler"))) {
            quiet(QuietAlsa);
        }
        // Left to the library, SIGTERM and SIGINT would wait in an event queue the game never
        // reads, and the game would no longer end when told to.
        mixer->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (mixer->InitSubSystem(SDL_INIT_AUDIO) != 0 ||
            mixer->OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
            std::cerr << NoDevice;
            mixer->Quit();
            return nullptr;
        }
        mixer->opened = true;
        mixer->AllocateChannels(0);
        return mixer;
    }

    ~Mixer() {
        if (!opened) {
            // Nothing of it runs, so its libraries need not stay in memory.
            if (handle) dlclose(handle);
            return;
        }
        while (!tracks.empty())
            Close(tracks.begin()->first);
        CloseAudio();
        Quit(); // all of it, the hint included: the game uses the library for nothing else
    }

    void Run(const SoundCommand& command) {
        if (command.verb == "open") {
            Load(command.alias, command.path);
            return;
        }
        const auto it = tracks.find(command.alias);
        if (it == tracks.end()) return;
        if (command.verb == "close") {
            Close(command.alias);
        } else if (command.verb == "stop") {
            Stop(command.alias, it->second);
        } else if (command.verb == "setaudio") {
            SetVolume(command.alias, it->second, MixerVolume(command.volume));
        } else {
            Play(command.alias, it->second, command.repeat);
        }
    }

    bool IsOpen(const std::string& alias) const { return tracks.count(alias) != 0; }

    bool IsPlaying(const std::string& alias) {
        const auto it = tracks.find(alias);
        if (it == tracks.end()) return false;
        if (it->second.chunk) return Playing(it->second.channel) != 0;
        return current == alias && PlayingMusic() != 0;
    }

    double Position(const std::string& alias) {
        const auto it = tracks.find(alias);
        if (it == tracks.end() || !it->second.music) return 0;
        if (current != alias) return it->second.position;
        return std::max(0.0, GetMusicPosition(it->second.music));
    }

private:
    // A music track streams from its file and keeps its place when stopped, as the game
    // expects of a track played again; an effect is decoded whole and has a channel of
    // its own, so it restarts without cutting off another.
    struct Track {
        Mix_Music* music = nullptr;
        Mix_Chunk* chunk = nullptr;
        int channel = -1;
        int volume = MIX_MAX_VOLUME;
        double position = 0;
    };

    Mixer() = default;

    template <typename F> bool BindOne(F*& function, const char* name) {
        function = reinterpret_cast<F*>(dlsym(handle, name));
        return function != nullptr;
    }

    bool Bind() {
        return BindOne(SetHint, "SDL_SetHint") && BindOne(InitSubSystem, "SDL_InitSubSystem") &&
               BindOne(Quit, "SDL_Quit") && BindOne(RWFromFile, "SDL_RWFromFile") &&
               BindOne(OpenAudio, "Mix_OpenAudio") && BindOne(CloseAudio, "Mix_CloseAudio") &&
               BindOne(AllocateChannels, "Mix_AllocateChannels") &&
               BindOne(LoadWAV_RW, "Mix_LoadWAV_RW") && BindOne(LoadMUS, "Mix_LoadMUS") &&
               BindOne(FreeChunk, "Mix_FreeChunk") && BindOne(FreeMusic, "Mix_FreeMusic") &&
               BindOne(PlayChannelTimed, "Mix_PlayChannelTimed") &&
               BindOne(HaltChannel, "Mix_HaltChannel") && BindOne(Playing, "Mix_Playing") &&
               BindOne(VolumeChunk, "Mix_VolumeChunk") &&
               BindOne(FadeInMusicPos, "Mix_FadeInMusicPos") &&
               BindOne(HaltMusic, "Mix_HaltMusic") && BindOne(VolumeMusic, "Mix_VolumeMusic") &&
               BindOne(PlayingMusic, "Mix_PlayingMusic") &&
               BindOne(GetMusicPosition, "Mix_GetMusicPosition");
    }

    void Load(const std::string& alias, const std::string& path) {
        Close(alias);
        Track track;
        if (IsWave(path)) {
            track.chunk = LoadWAV_RW(RWFromFile(path.c_str(), "rb"), 1);
            track.channel = channels;
            if (track.chunk) AllocateChannels(++channels);
        } else {
            track.music = LoadMUS(path.c_str());
        }
        if (track.chunk || track.music) tracks[alias] = track;
    }

    void Close(const std::string& alias) {
        const auto it = tracks.find(alias);
        if (it == tracks.end()) return;
        if (it->second.chunk) {
            HaltChannel(it->second.channel);
            FreeChunk(it->second.chunk);
        } else {
            if (current == alias) current.clear();
            FreeMusic(it->second.music); // halts it when it plays
        }
        tracks.erase(it);
    }

    void Stop(const std::string& alias, Track& track) {
        if (track.chunk) {
            HaltChannel(track.channel);
        } else if (current == alias) {
            track.position = std::max(0.0, GetMusicPosition(track.music));
            HaltMusic();
            current.clear();
        }
    }

    void Play(const std::string& alias, Track& track, bool repeat) {
        if (track.chunk) {
            PlayChannelTimed(track.channel, track.chunk, repeat ? -1 : 0, -1);
            return;
        }
        if (current == alias && repeat && PlayingMusic()) return;
        // One track plays at a time; the one it replaces keeps its place.
        if (!current.empty()) Stop(current, tracks[current]);
        const double start = repeat ? track.position : 0;
        if (FadeInMusicPos(track.music, repeat ? -1 : 1, 0, start) != 0) return;
        VolumeMusic(track.volume);
        current = alias;
    }

    void SetVolume(const std::string& alias, Track& track, int volume) {
        track.volume = volume;
        if (track.chunk) VolumeChunk(track.chunk, volume);
        if (current == alias) VolumeMusic(volume);
    }

    void* handle = nullptr;
    bool opened = false;
    std::map<std::string, Track> tracks;
    std::string current; // the music alias playing
    int channels = 0;

    decltype(SDL_SetHint)* SetHint = nullptr;
    decltype(SDL_InitSubSystem)* InitSubSystem = nullptr;
    decltype(SDL_Quit)* Quit = nullptr;
    decltype(SDL_RWFromFile)* RWFromFile = nullptr;
    decltype(Mix_OpenAudio)* OpenAudio = nullptr;
    decltype(Mix_CloseAudio)* CloseAudio = nullptr;
    decltype(Mix_AllocateChannels)* AllocateChannels = nullptr;
    decltype(Mix_LoadWAV_RW)* LoadWAV_RW = nullptr;
    decltype(Mix_LoadMUS)* LoadMUS = nullptr;
    decltype(Mix_FreeChunk)* FreeChunk = nullptr;
    decltype(Mix_FreeMusic)* FreeMusic = nullptr;
    decltype(Mix_PlayChannelTimed)* PlayChannelTimed = nullptr;
    decltype(Mix_HaltChannel)* HaltChannel = nullptr;
    decltype(Mix_Playing)* Playing = nullptr;
    decltype(Mix_VolumeChunk)* VolumeChunk = nullptr;
    decltype(Mix_FadeInMusicPos)* FadeInMusicPos = nullptr;
    decltype(Mix_HaltMusic)* HaltMusic = nullptr;
    decltype(Mix_VolumeMusic)* VolumeMusic = nullptr;
    decltype(Mix_PlayingMusic)* PlayingMusic = nullptr;
    decltype(Mix_GetMusicPosition)* GetMusicPosition = nullptr;
};

SdlSoundBackend::SdlSoundBackend(std::string library)
    : worker([this, library = std::move(library)] { Run(library); }) {}

SdlSoundBackend::~SdlSoundBackend() {
    {
        const std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_one();
    worker.join();
}

void SdlSoundBackend::Send(const std::string& command) {
    std::optional<SoundCommand> parsed = ParseSoundCommand(command);
    if (!parsed) return;
    Post([command = std::move(*parsed)](Mixer* mixer) {
        if (mixer) mixer->Run(command);
    });
}

void SdlSoundBackend::Post(Job job) {
    std::unique_lock lock(mutex);
    if (silent) {
        lock.unlock();
        job(nullptr);
        return;
    }
    jobs.push_back(std::move(job));
    lock.unlock();
    wake.notify_one();
}

template <typename T> T SdlSoundBackend::Ask(std::function<T(Mixer*)> question) {
    std::promise<T> answer;
    Post([&](Mixer* mixer) { answer.set_value(mixer ? question(mixer) : T{}); });
    return answer.get_future().get();
}

bool SdlSoundBackend::IsOpen(const std::string& alias) {
    return Ask<bool>([&](Mixer* mixer) { return mixer->IsOpen(alias); });
}

bool SdlSoundBackend::IsPlaying(const std::string& alias) {
    return Ask<bool>([&](Mixer* mixer) { return mixer->IsPlaying(alias); });
}

double SdlSoundBackend::Position(const std::string& alias) {
    return Ask<double>([&](Mixer* mixer) { return mixer->Position(alias); });
}

// Commands sent while the device opens wait, and then run in the order sent; those still
// waiting when the backend goes run before the device closes. Without sound the thread
// ends, and commands are dropped where they are sent.
void SdlSoundBackend::Run(const std::string& library) {
    std::unique_ptr<Mixer> mixer = Mixer::Open(library);
    std::unique_lock lock(mutex);
    silent = !mixer;
    while (true) {
        wake.wait(lock, [&] { return stopping || silent || !jobs.empty(); });
        if (jobs.empty()) break;
        Job job = std::move(jobs.front());
        jobs.pop_front();
        lock.unlock();
        job(mixer.get());
        lock.lock();
    }
}

std::unique_ptr<SoundBackend> MakeSoundBackend() { return std::make_unique<SdlSoundBackend>(); }
