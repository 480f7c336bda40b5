#pragma once

#include "Wav.h"

namespace art {

// The two background tracks: calm pads with a gentle arpeggio, each a whole
// number of bars whose last chord leads back into the first, so they loop.
Audio musicTrack(int number);

} // namespace art
