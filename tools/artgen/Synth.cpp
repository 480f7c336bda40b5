#include "Synth.h"

#include "Reverb.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art::synth {

namespace {

// A sine oscillator by rotation, cheaper than calling sin per sample.
struct Sine {
    Sine(double hz, double phase)
        : re(std::cos(phase)), im(std::sin(phase)), stepRe(std::cos(2 * M_PI * hz / kSampleRate)),
          stepIm(std::sin(2 * M_PI * hz / kSampleRate)) {}
    double next() {
        const double r = re * stepRe - im * stepIm;
        im = re * stepIm + im * stepRe;
        re = r;
        return im;
    }
    double re, im, stepRe, stepIm;
};

struct Partial {
    double ratio;
    double level;
    double decayScale; // how much faster than the fundamental it fades
};

int frameAt(double seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }

void mixFrame(Audio& mix, int frame, double value, double pan) {
    if (frame < 0 || frame >= mix.frames()) return;
    const auto at = static_cast<std::size_t>(frame) * 2;
    // Constant-power panning.
    const double angle = (pan + 1) * M_PI / 4;
    mix.samples[at] += static_cast<float>(value * std::cos(angle));
    mix.samples[at + 1] += static_cast<float>(value * std::sin(angle));
}

void addStruck(Audio& mix, const Placement& at, double hz, double decaySeconds,
               const std::vector<Partial>& partials) {
    const int first = frameAt(at.start);
    const int frames = frameAt(decaySeconds * 5);
    const int attack = frameAt(0.004);
    std::vector<Sine> oscillators;
    for (const Partial& partial : partials)
        oscillators.emplace_back(hz * partial.ratio, 0.0);
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double rise = std::min(1.0, static_cast<double>(i) / attack);
        double value = 0;
        for (std::size_t k = 0; k < partials.size(); ++k) {
            const double decay = std::exp(-t * partials[k].decayScale / decaySeconds);
            value += oscillators[k].next() * partials[k].level * decay;
        }
        const double tail = std::min(1.0, static_cast<double>(frames - i) / attack / 20);
        mixFrame(mix, first + i, value * rise * tail * at.gain, at.pan);
    }
}

} // namespace

double frequency(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

Audio silence(double seconds, int channels) {
    Audio audio;
    audio.channels = channels;
    audio.samples.assign(static_cast<std::size_t>(frameAt(seconds)) * channels, 0.0f);
    return audio;
}

void addPad(Audio& mix, const Placement& at, double length, double hz) {
    constexpr double kAttack = 1.4;
    constexpr double kRelease = 1.8;
    constexpr double kDetuneCents[] = {-7, 0, 7};
    constexpr double kSpread[] = {-0.6, 0, 0.6};
    const int first = frameAt(at.start);
    const int frames = frameAt(length + kRelease);
    for (int voice = 0; voice < 3; ++voice) {
        const double voiceHz = hz * std::pow(2.0, kDetuneCents[voice] / 1200);
        std::vector<Sine> partials;
        std::vector<double> levels;
        for (int h = 1; h <= 7 && voiceHz * h < 6000; ++h) {
            partials.emplace_back(voiceHz * h, 0.9 * h + voice);
            levels.push_back(std::pow(h, -1.6) / 3);
        }
        for (int i = 0; i < frames; ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            const double rise = 0.5 - 0.5 * std::cos(M_PI * std::min(1.0, t / kAttack));
            const double fall =
                t < length ? 1.0 : 0.5 + 0.5 * std::cos(M_PI * (t - length) / kRelease);
            double value = 0;
            for (std::size_t k = 0; k < partials.size(); ++k)
                value += partials[k].next() * levels[k];
            mixFrame(mix, first + i, value * rise * fall * at.gain,
                     std::clamp(at.pan + kSpread[voice], -1.0, 1.0));
        }
    }
}

void addPluck(Audio& mix, const Placement& at, double hz, double decaySeconds) {
    addStruck(mix, at, hz, decaySeconds, {{1, 1.0, 1}, {2, 0.28, 2.2}, {3, 0.1, 3.5}});
}

void addBell(Audio& mix, const Placement& at, double hz, double decaySeconds) {
    addStruck(mix, at, hz, decaySeconds,
              {{1, 1.0, 1}, {2, 0.32, 1.8}, {3, 0.12, 2.6}, {4.2, 0.06, 3.5}, {5.4, 0.04, 4.5}});
}

void addBass(Audio& mix, const Placement& at, double length, double hz) {
    constexpr double kRamp = 0.35;
    const int first = frameAt(at.start);
    const int frames = frameAt(length + kRamp);
    Sine fundamental(hz, 0.0);
    Sine octave(hz * 2, 0.0);
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double rise = std::min(1.0, t / kRamp);
        const double fall = t < length ? 1.0 : 1.0 - (t - length) / kRamp;
        const double value = fundamental.next() + 0.15 * octave.next();
        mixFrame(mix, first + i, value * rise * fall * at.gain, at.pan);
    }
}

void addReverb(Audio& mix, float wet) {
    Reverb left(0);
    Reverb right(1);
    for (std::size_t i = 0; i + 1 < mix.samples.size(); i += 2) {
        const float mono = (mix.samples[i] + mix.samples[i + 1]) * 0.5f;
        mix.samples[i] += wet * left.process(mono);
        mix.samples[i + 1] += wet * right.process(mono);
    }
}

void normalise(Audio& mix, float peak) {
    float loudest = 0;
    for (float sample : mix.samples)
        loudest = std::max(loudest, std::abs(sample));
    if (loudest == 0) return;
    for (float& sample : mix.samples)
        sample *= peak / loudest;
}

void wrapTail(Audio& mix, double loopSeconds) {
    const auto loopSamples = static_cast<std::size_t>(frameAt(loopSeconds)) * mix.channels;
    for (std::size_t i = loopSamples; i < mix.samples.size(); ++i)
        mix.samples[i - loopSamples] += mix.samples[i];
    mix.samples.resize(loopSamples);
}

void fadeEdges(Audio& mix, double inSeconds, double outSeconds) {
    const int frames = mix.frames();
    const int fadeIn = frameAt(inSeconds);
    const int fadeOut = frameAt(outSeconds);
    for (int i = 0; i < frames; ++i) {
        double gain = 1;
        if (i < fadeIn) gain = 0.5 - 0.5 * std::cos(M_PI * i / fadeIn);
        if (frames - 1 - i < fadeOut)
            gain *= 0.5 - 0.5 * std::cos(M_PI * (frames - 1 - i) / fadeOut);
        for (int c = 0; c < mix.channels; ++c)
            mix.samples[static_cast<std::size_t>(i) * mix.channels + c] *= static_cast<float>(gain);
    }
}

} // namespace art::synth
