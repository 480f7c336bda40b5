#include "Music.h"

#include "Rng.h"
#include "Synth.h"

#include <array>
#include <stdexcept>
#include <vector>

namespace art {

namespace {

struct Chord {
    int bass;                 // MIDI note
    std::array<int, 4> tones; // MIDI notes, low to high
};

struct TrackPlan {
    int beatsPerMinute; // chosen so a beat is a whole number of samples
    int barsPerChord;
    std::vector<Chord> chords;
    int passes;            // times the progression is played
    int stepsPerBar;       // arpeggio notes per bar
    std::vector<int> walk; // arpeggio order; index 4 is the lowest tone an octave up
    bool bells;            // arpeggio timbre: bells or plucks
    double noteDecay;      // seconds
    std::uint64_t seed;
};

// A minor, unhurried: i - VI - III - VII, two bars each.
const TrackPlan kEvening{80,
                         2,
                         {{45, {57, 60, 64, 71}},
                          {41, {53, 57, 60, 64}},
                          {48, {55, 59, 60, 64}},
                          {43, {55, 59, 62, 64}}},
                         3,
                         8,
                         {0, 1, 2, 3, 4, 3, 2, 1},
                         false,
                         0.45,
                         11};

// D major, brighter, with bells in triplets; one bar per chord.
const TrackPlan kMorning{72,
                         1,
                         {{38, {62, 66, 69, 73}},
                          {47, {62, 66, 69, 71}},
                          {43, {59, 62, 66, 67}},
                          {45, {57, 62, 64, 69}},
                          {42, {62, 66, 69, 73}},
                          {40, {59, 62, 64, 67}},
                          {43, {59, 62, 66, 67}},
                          {45, {57, 61, 64, 69}}},
                         3,
                         12,
                         {0, 2, 4, 1, 3, 2},
                         true,
                         0.9,
                         23};

constexpr double kTailSeconds = 6;

int arpeggioNote(const Chord& chord, int index) {
    return index == 4 ? chord.tones[0] + 12 : chord.tones[static_cast<std::size_t>(index)] + 12;
}

void playChord(Audio& mix, const Chord& chord, double start, double length) {
    const double pans[] = {-0.5, -0.15, 0.15, 0.5};
    for (std::size_t i = 0; i < chord.tones.size(); ++i)
        synth::addPad(mix, {start, 0.05, pans[i]}, length, synth::frequency(chord.tones[i]));
    synth::addBass(mix, {start, 0.16, 0}, length, synth::frequency(chord.bass));
}

// The first pass plays every other note, so the track opens gently.
void playArpeggio(Audio& mix, const TrackPlan& plan, const Chord& chord, double start,
                  double length, int pass, Rng& rng) {
    const double bar = 4 * 60.0 / plan.beatsPerMinute;
    const double step = bar / plan.stepsPerBar;
    const int steps = static_cast<int>(length / step + 0.5);
    for (int i = 0; i < steps; ++i) {
        if (pass == 0 && i % 2 == 1) continue;
        const int index = plan.walk[static_cast<std::size_t>(i) % plan.walk.size()];
        const double hz = synth::frequency(arpeggioNote(chord, index));
        const synth::Placement at{start + i * step, 0.07 + 0.03 * rng.uniform(),
                                  i % 2 == 0 ? -0.35 : 0.35};
        if (plan.bells)
            synth::addBell(mix, at, hz, plan.noteDecay);
        else
            synth::addPluck(mix, at, hz, plan.noteDecay);
    }
}

Audio render(const TrackPlan& plan) {
    const double bar = 4 * 60.0 / plan.beatsPerMinute;
    const double chordLength = bar * plan.barsPerChord;
    const double loop = chordLength * static_cast<double>(plan.chords.size()) * plan.passes;
    Audio mix = synth::silence(loop + kTailSeconds);
    Rng rng(plan.seed);
    double start = 0;
    for (int pass = 0; pass < plan.passes; ++pass) {
        for (const Chord& chord : plan.chords) {
            playChord(mix, chord, start, chordLength);
            playArpeggio(mix, plan, chord, start, chordLength, pass, rng);
            start += chordLength;
        }
    }
    synth::addReverb(mix, 0.45f);
    synth::wrapTail(mix, loop);
    synth::normalise(mix, 0.7f);
    // Short fades keep the seam soft even if a player adds a gap there.
    synth::fadeEdges(mix, 0.12, 0.12);
    return mix;
}

} // namespace

Audio musicTrack(int number) {
    switch (number) {
    case 1: return render(kEvening);
    case 2: return render(kMorning);
    default: throw std::runtime_error("no such music track");
    }
}

} // namespace art
