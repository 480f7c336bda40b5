#pragma once

#include "Wav.h"

namespace art::synth {

double frequency(int midiNote);

// A stereo buffer of the given length in seconds, silent.
Audio silence(double seconds, int channels = 2);

struct Placement {
    double start; // seconds
    double gain;  // peak level before mixing
    double pan;   // -1 left .. 1 right
};

// A soft, slowly swelling chord tone of several detuned partials.
void addPad(Audio& mix, const Placement& at, double length, double hz);
// A plucked, quickly fading tone for arpeggios and chimes.
void addPluck(Audio& mix, const Placement& at, double hz, double decaySeconds);
// A bell: a pluck with a few partials above the fundamental.
void addBell(Audio& mix, const Placement& at, double hz, double decaySeconds);
// A round, low sine tone.
void addBass(Audio& mix, const Placement& at, double length, double hz);

// Adds a room echo of the buffer to itself.
void addReverb(Audio& mix, float wet);
// Scales the buffer so its loudest sample has the given level.
void normalise(Audio& mix, float peak);
// Adds whatever lies past the given length to the beginning and cuts it
// there, so a loop carries the end's echo into its start.
void wrapTail(Audio& mix, double loopSeconds);
// Raised-cosine fades at both ends.
void fadeEdges(Audio& mix, double inSeconds, double outSeconds);

} // namespace art::synth
