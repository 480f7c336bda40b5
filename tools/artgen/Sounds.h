#pragma once

#include <QString>

namespace art {

// sound/: the refusal click and completion chime as WAV files, and the two
// background tracks, encoded to MP3 with the lame encoder.
void writeSounds(const QString& outDir);

} // namespace art
