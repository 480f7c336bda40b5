#pragma once

#include <string>

void OpenSound(const std::string& path, const std::string& alias);
void PlaySound(const std::string& alias, bool repeat);
void StopSound(const std::string& alias);
void CloseSound(const std::string& alias);

// The option groups' radio index: 0 "ON", 1 "OFF".
void SetSoundOn(int radioIndex);
void SetMusicOn(int radioIndex);

// "bg" + MusicTrack, the alias of the track in use.
std::string MusicAlias();

// Stops the track in use, draws track 1 or 2 anew and plays it when music is on.
void RestartMusic();

void SetAudioVolume(const std::string& alias, int volume);
