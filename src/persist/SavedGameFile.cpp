#include "persist/SavedGameFile.h"

#include "persist/LittleEndian.h"

#include <algorithm>

namespace {

constexpr size_t GridBytes = 2 * 81;
constexpr size_t HeaderBytes = 4;
constexpr size_t ClockBytes = 6;
constexpr size_t HeaderlessSize = 2 * GridBytes + ClockBytes;

// Stored column by column: the cell in row r, column c is value r + 9c.
void PutGrid(std::string& out, const Grid& grid) {
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r)
            PutLittleEndian(out, static_cast<uint16_t>(grid[r][c]), 2);
    }
}

bool GetGrid(const std::string& in, size_t at, Grid& grid) {
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            const int16_t value = GetInt16(in, at + 2 * static_cast<size_t>(r + 9 * c));
            if (value < 0 || value > 9) return false;
            grid[r][c] = value;
        }
    }
    return true;
}

bool InRange(int value, int lowest, int highest) { return value >= lowest && value <= highest; }

// A given can be neither emptied nor changed by the player.
bool KeepsGivens(const SavedGame& game) {
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            if (game.given[r][c] != 0 && game.current[r][c] != game.given[r][c]) return false;
        }
    }
    return true;
}

int32_t ClockSeconds(const SavedGame& game) {
    return int32_t{game.ct_h} * 3600 + game.ct_m * 60 + game.ct_s;
}

} // namespace

std::string EncodeSavedGame(const SavedGame& game) {
    std::string bytes;
    bytes.reserve(ChallengeSavedGameSize);
    if (game.kind != SavedGame::Kind::Headerless) {
        bytes.push_back(game.kind == SavedGame::Kind::Training ? 'T' : 'S');
        bytes.push_back(static_cast<char>('0' + game.typeOrStage));
        PutLittleEndian(bytes, static_cast<uint16_t>(game.level), 2);
    }
    PutGrid(bytes, game.current);
    PutGrid(bytes, game.given);
    for (const int16_t part : {game.ct_h, game.ct_m, game.ct_s})
        PutLittleEndian(bytes, static_cast<uint16_t>(part), 2);
    if (game.kind == SavedGame::Kind::Challenge)
        PutLittleEndian(bytes, static_cast<uint32_t>(game.challengeScore), 4);
    return bytes;
}

std::optional<SavedGame> DecodeSavedGame(const std::string& bytes) {
    SavedGame game;
    const char first = bytes.empty() ? '\0' : bytes[0];
    game.kind = first == 'T'   ? SavedGame::Kind::Training
                : first == 'S' ? SavedGame::Kind::Challenge
                               : SavedGame::Kind::Headerless;
    const bool headerless = game.kind == SavedGame::Kind::Headerless;
    if (bytes.size() < (headerless ? HeaderlessSize : SavedGameSize)) return std::nullopt;

    size_t at = 0;
    if (!headerless) {
        game.typeOrStage = static_cast<int16_t>(bytes[1] - '0');
        game.level = GetInt16(bytes, 2);
        const int highest = game.kind == SavedGame::Kind::Training ? 5 : 9;
        if (!InRange(game.typeOrStage, 0, highest) || !InRange(game.level, 0, 2))
            return std::nullopt;
        at = HeaderBytes;
    }
    if (!GetGrid(bytes, at, game.current) || !GetGrid(bytes, at + GridBytes, game.given) ||
        !KeepsGivens(game))
        return std::nullopt;
    at += 2 * GridBytes;
    game.ct_h = GetInt16(bytes, at);
    game.ct_m = GetInt16(bytes, at + 2);
    game.ct_s = GetInt16(bytes, at + 4);
    if (game.ct_h < 0 || !InRange(game.ct_m, 0, 59) || !InRange(game.ct_s, 0, 59))
        return std::nullopt;

    if (game.kind == SavedGame::Kind::Challenge) {
        // Each completed stage scores at most 1000. An older file without the score held
        // the time since the challenge began: it is credited with the stages less that
        // time, and its stage starts again at 0:00:00, as every stage does now.
        const int32_t most = 1000 * game.typeOrStage;
        if (bytes.size() >= ChallengeSavedGameSize) {
            game.challengeScore = GetInt32(bytes, SavedGameSize);
        } else {
            game.challengeScore = std::max(0, most - ClockSeconds(game));
            game.ct_h = game.ct_m = game.ct_s = 0;
        }
        if (!InRange(game.challengeScore, 0, most)) return std::nullopt;
    }
    return game;
}
