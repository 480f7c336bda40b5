// Any bytes given as a saved game are refused or give a game that writes back to
// bytes which read as the same game.
#include "persist/SavedGameFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool Same(const SavedGame& a, const SavedGame& b) {
    return a.kind == b.kind && a.typeOrStage == b.typeOrStage && a.level == b.level &&
           a.current == b.current && a.given == b.given && a.ct_h == b.ct_h && a.ct_m == b.ct_m &&
           a.ct_s == b.ct_s && a.challengeScore == b.challengeScore;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<SavedGame> game = DecodeSavedGame(bytes);
    if (!game) return 0;
    const std::optional<SavedGame> again = DecodeSavedGame(EncodeSavedGame(*game));
    if (!again || !Same(*game, *again)) std::abort();
    return 0;
}
