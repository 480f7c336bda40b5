// Any bytes given as a saved game are refused or give a game that writes back to
// bytes which read as the same game.
#include "persist/SavedGameFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<SavedGame> game = DecodeSavedGame(bytes);
    if (!game) return 0;
    const std::optional<SavedGame> again = DecodeSavedGame(EncodeSavedGame(*game));
    if (!again || *again != *game) std::abort();
    return 0;
}
