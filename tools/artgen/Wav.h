#pragma once

#include <QString>

#include <vector>

namespace art {

inline constexpr int kSampleRate = 44100;

// Interleaved samples in -1..1 (one value per channel per frame).
struct Audio {
    int channels = 1;
    std::vector<float> samples;
    int frames() const { return static_cast<int>(samples.size()) / channels; }
};

// Writes 16-bit PCM at 44.1 kHz; throws when the file cannot be written.
void writeWav(const Audio& audio, const QString& path);

} // namespace art
