#pragma once

#include "Wav.h"

namespace art {

// A short, dull knock: a digit was refused.
Audio refusalClick();
// A bright rising chime: the board is complete.
Audio completionChime();

} // namespace art
