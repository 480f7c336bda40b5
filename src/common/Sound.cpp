#include "common/Sound.h"

#include "common/SoundBackend.h"
#include "common/Switches.h"
#include "engine/Random.h"

#include <utility>

namespace {

// Never destroyed: on an exit the toolkit forces, waiting for the sound thread could hang
// on a device that never finishes opening.
std::unique_ptr<SoundBackend>& Installed() {
    static auto* backend = new std::unique_ptr<SoundBackend>();
    return *backend;
}

void Send(const std::string& command) {
    if (SoundBackend* backend = TheSoundBackend()) backend->Send(command);
}

} // namespace

SoundBackend* TheSoundBackend() { return Installed().get(); }

void SetSoundBackend(std::unique_ptr<SoundBackend> backend) { Installed() = std::move(backend); }

// The backend takes the path whole, so a folder with spaces in its name needs no
// short-name conversion.
void OpenSound(const std::string& path, const std::string& alias) {
    Send("open " + path + " type MPEGVideo alias " + alias);
}

void PlaySound(const std::string& alias, bool repeat) {
    Send("play " + alias + (repeat ? " repeat" : " from 0"));
}

void StopSound(const std::string& alias) { Send("stop " + alias); }

void CloseSound(const std::string& alias) { Send("close " + alias); }

void SetSoundOn(int radioIndex) { Switches().SoundOn = static_cast<uint8_t>(1 - radioIndex); }

void SetMusicOn(int radioIndex) {
    Switches().MusicOn = static_cast<uint8_t>(1 - radioIndex);
    RestartMusic();
    if (Switches().MusicOn != 1) StopSound(MusicAlias());
}

std::string MusicAlias() { return "bg" + std::to_string(Switches().MusicTrack); }

void RestartMusic() {
    SwitchState& s = Switches();
    StopSound(MusicAlias());
    s.MusicTrack = RoundHalfEven(Rnd() + 1.0);
    if (s.MusicOn == 1) PlaySound(MusicAlias(), true);
}

void SetAudioVolume(const std::string& alias, int volume) {
    Send("setaudio " + alias + " volume to " + std::to_string(volume));
}
