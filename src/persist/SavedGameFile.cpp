#include "persist/SavedGameFile.h"

#include "common/GameClock.h"
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

constexpr char BlockTag[] = "KSX1";
constexpr uint32_t BlockVersion = 1;
constexpr size_t BlockHeaderBytes = 8;
constexpr size_t MarksBytes = GridBytes;
constexpr uint16_t NoDigitBits = 0xFE00;

// Cell r * 9 + c is stored at place r + 9c, as the grids are.
int StoredAt(int cell) { return cell / 9 + 9 * (cell % 9); }

void PutBlock(std::string& out, const SavedGame& game) {
    out += BlockTag;
    PutLittleEndian(out, BlockVersion, 2);
    PutLittleEndian(out, MarksBytes + (game.hintsLeft >= 0 ? 2 : 0), 2);
    std::array<uint16_t, 81> stored{};
    for (int cell = 0; cell < 81; ++cell)
        stored[StoredAt(cell)] = game.marks[cell];
    for (const uint16_t mask : stored)
        PutLittleEndian(out, mask, 2);
    if (game.hintsLeft >= 0) PutLittleEndian(out, static_cast<uint32_t>(game.hintsLeft), 2);
}

// Marks stand only in cells that are empty; a block the game could not have written is
// passed over as a whole.
void GetBlock(const std::string& in, size_t at, SavedGame& game) {
    if (in.size() < at + BlockHeaderBytes || in.compare(at, 4, BlockTag) != 0) return;
    if (GetLittleEndian(in, at + 4, 2) != BlockVersion) return;
    const size_t length = GetLittleEndian(in, at + 6, 2);
    at += BlockHeaderBytes;
    if (length != in.size() - at || length < MarksBytes) return;
    std::array<uint16_t, 81> marks{};
    for (int cell = 0; cell < 81; ++cell) {
        const auto mask = static_cast<uint16_t>(GetLittleEndian(in, at + 2 * StoredAt(cell), 2));
        if (mask & NoDigitBits) return;
        if (CellOf(game.current, cell) == 0) marks[cell] = mask;
    }
    game.marks = marks;
    if (length < MarksBytes + 2) return;
    const int hints = GetInt16(in, at + MarksBytes);
    if (hints >= 0 && hints <= 3) game.hintsLeft = hints;
}

bool HasBlock(const SavedGame& game) {
    if (game.kind == SavedGame::Kind::Headerless) return false;
    return game.hintsLeft >= 0 ||
           std::any_of(game.marks.begin(), game.marks.end(), [](uint16_t m) { return m != 0; });
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
    if (HasBlock(game)) PutBlock(bytes, game);
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
        // time, and its stage starts again at 0:00:00, as every stage does now. No stage
        // lasts an hour.
        const int32_t most = 1000 * game.typeOrStage;
        if (bytes.size() >= ChallengeSavedGameSize) {
            if (game.ct_h != 0) return std::nullopt;
            game.challengeScore = GetInt32(bytes, SavedGameSize);
        } else {
            game.challengeScore = std::max(0, most - ClockSeconds(game));
            game.ct_h = game.ct_m = game.ct_s = 0;
        }
        if (!InRange(game.challengeScore, 0, most)) return std::nullopt;
    } else if (game.ct_h > ClockMaxHours) {
        // The clock stops at its largest reading; a game that ran longer goes on from there.
        game.ct_h = ClockMaxHours;
        game.ct_m = game.ct_s = 59;
    }
    // A headerless file never has a block, and a Challenge file has one only after its score.
    if (game.kind == SavedGame::Kind::Training) GetBlock(bytes, SavedGameSize, game);
    if (game.kind == SavedGame::Kind::Challenge) GetBlock(bytes, ChallengeSavedGameSize, game);
    return game;
}
