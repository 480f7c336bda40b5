#include "Effects.h"

#include "Rng.h"
#include "Synth.h"

#include <cmath>

namespace art {

namespace {

constexpr double kClickSeconds = 0.06;
constexpr double kChimeSeconds = 1.5;

} // namespace

Audio refusalClick() {
    Audio click = synth::silence(kClickSeconds, 1);
    Rng rng(5);
    double phase = 0;
    double noise = 0;
    const int frames = click.frames();
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        // A falling pitch sounds like a knock on wood rather than a beep.
        phase += 2 * M_PI * (110 + 150 * std::exp(-t / 0.01)) / kSampleRate;
        const double thump = std::sin(phase) * std::exp(-t / 0.014);
        noise += 0.25 * ((rng.uniform() * 2 - 1) - noise);
        const double tick = noise * std::exp(-t / 0.003);
        click.samples[static_cast<std::size_t>(i)] = static_cast<float>(0.8 * thump + 0.9 * tick);
    }
    synth::fadeEdges(click, 0.0005, 0.012);
    synth::normalise(click, 0.8f);
    return click;
}

Audio completionChime() {
    Audio chime = synth::silence(kChimeSeconds + 2.0);
    // C major rising to the octave, spread from left to right.
    const int notes[] = {84, 88, 91, 96};
    const double starts[] = {0.0, 0.09, 0.18, 0.3};
    const double pans[] = {-0.5, -0.15, 0.15, 0.5};
    for (int i = 0; i < 4; ++i)
        synth::addBell(chime, {starts[i], 0.3, pans[i]}, synth::frequency(notes[i]), 0.38);
    synth::addPluck(chime, {0.0, 0.25, 0}, synth::frequency(60), 0.5);
    synth::addReverb(chime, 0.3f);
    chime.samples.resize(static_cast<std::size_t>(std::lround(kChimeSeconds * kSampleRate)) * 2);
    synth::fadeEdges(chime, 0.0005, 0.35);
    synth::normalise(chime, 0.75f);
    return chime;
}

} // namespace art
