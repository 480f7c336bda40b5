#include "persist/SavedGames.h"

#include "common/AppState.h"
#include "common/GameClock.h"
#include "common/Platform.h"
#include "engine/GameSettings.h"
#include "engine/Layout.h"
#include "engine/Rules.h"
#include "engine/Solver.h"
#include "persist/FileIO.h"
#include "persist/SavedGameFile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <cstdio>

namespace {

constexpr const char* Filter = "*.sv";

SavedGame CurrentGame(const GameModel& model) {
    const GameSettings& s = Settings();
    const ClockState& c = Clock();
    SavedGame game;
    game.kind = s.TrainingMode ? SavedGame::Kind::Training : SavedGame::Kind::Challenge;
    game.typeOrStage = s.TrainingMode ? s.PuzzleType : int16_t{s.Stage};
    game.level = s.TrainingMode ? s.Level : s.ChallengeLevel;
    game.current = model.Now().digits;
    game.given = model.ThePuzzle().givens;
    game.marks = model.Now().marks;
    game.ct_h = c.ct_h;
    game.ct_m = c.ct_m;
    game.ct_s = c.ct_s;
    game.challengeScore = s.ChallengeScore;
    return game;
}

// The givens must have a solution and no digit may stand twice where the rules forbid
// it, or the board could be won, or hinted, with nonsense.
bool FollowsTheRules(const SavedGame& game) {
    const GameSettings& s = Settings();
    const int16_t type = game.kind == SavedGame::Kind::Training ? game.typeOrStage
                         : game.kind == SavedGame::Kind::Challenge
                             ? s.StageType[static_cast<size_t>(game.typeOrStage)]
                             : s.PuzzleType;
    const LayoutRows& regions = LayoutOf(type);
    return !HasClash(game.current, regions) && SolveGrid(game.given, regions).has_value();
}

// A stage ends when its clock reaches the limit, so no stage in play has reached it.
bool WithinItsTime(const SavedGame& game) {
    if (game.kind != SavedGame::Kind::Challenge) return true;
    const int limit = StageTimeAllowed(static_cast<size_t>(game.typeOrStage), game.level);
    return game.ct_m * 60 + game.ct_s < limit;
}

} // namespace

std::string DefaultSaveName(int year, int month, int day) {
    char name[16];
    std::snprintf(name, sizeof name, "%02d-%02d-%02d.sv", year % 100, month, day);
    return name;
}

// The player's own save folder is made when first needed, so it is there to be proposed.
std::string ProposedSaveName(const std::string& name) {
    QDir().mkpath(QString::fromStdString(App().SaveFolder));
    return App().SaveFolder + "/" + name;
}

std::string AskSaveFileName() {
    const QDate today = QDate::currentDate();
    std::string& remembered = App().DialogFileName;
    remembered = ProposedSaveName(DefaultSaveName(today.year(), today.month(), today.day()));
    const std::string chosen =
        ThePlatform().AskSaveFileName("Save Game to file", Filter, remembered);
    if (chosen.empty()) return {};
    remembered = chosen;
    if (FileExists(chosen) && !AskToReplace()) return {};
    return chosen;
}

// The first time, the save folder is a better start than wherever the system likes.
std::string AskOpenFileName() {
    std::string& remembered = App().DialogFileName;
    const std::string start = remembered.empty() ? App().SaveFolder : remembered;
    const std::string chosen = ThePlatform().AskOpenFileName("Open Game save file", Filter, start);
    if (!chosen.empty()) remembered = chosen;
    return chosen;
}

void SaveGame(const GameModel& model) {
    const std::string name = AskSaveFileName();
    if (name.empty()) return;
    const std::string failure = WriteFileAtomically(name, EncodeSavedGame(CurrentGame(model)));
    if (!failure.empty()) {
        TellPlayer("The game could not be saved to " + name + ": " + failure + ".",
                   Platform::Icon::Warning);
        return;
    }
    TellPlayer("Game has been saved to " + name, Platform::Icon::Information);
}

std::optional<SavedGame> LoadGame() {
    const std::string name = AskOpenFileName();
    if (name.empty()) return std::nullopt;
    return LoadGameFrom(name);
}

std::optional<SavedGame> LoadGameFrom(const std::string& path) {
    const auto bytes = ReadFileHead(path, LargestSavedGameSize);
    if (!bytes) {
        TellPlayer("The file " + path + " could not be opened.", Platform::Icon::Warning);
        return std::nullopt;
    }
    const auto game = DecodeSavedGame(*bytes);
    if (!game || !WithinItsTime(*game) || !FollowsTheRules(*game)) {
        TellPlayer("The file " + path + " is not a saved game of Korvel Sudoku, or it is damaged.",
                   Platform::Icon::Warning);
        return std::nullopt;
    }
    return game;
}

// An old headerless file keeps the level and type the game has now. The layout is the
// one the settings now name.
GameModel ApplySavedGame(const SavedGame& game) {
    GameSettings& s = Settings();
    s.TrainingMode = game.kind != SavedGame::Kind::Challenge;
    switch (game.kind) {
    case SavedGame::Kind::Training:
        s.PuzzleType = game.typeOrStage;
        s.Level = game.level;
        break;
    case SavedGame::Kind::Challenge:
        s.Stage = static_cast<uint8_t>(game.typeOrStage);
        s.ChallengeLevel = game.level;
        s.ChallengeScore = game.challengeScore;
        s.LastStageScore = -1; // a file does not say
        s.Level = s.StageLevel[StageIndex()];
        s.PuzzleType = s.StageType[StageIndex()];
        break;
    case SavedGame::Kind::Headerless: break;
    }
    ClockState& c = Clock();
    c.ct_h = game.ct_h;
    c.ct_m = game.ct_m;
    c.ct_s = game.ct_s;
    // The file holds no solution: the model solves the givens. Only a resume file keeps
    // the hints that were left.
    return GameModel({game.given, LayoutOf(s.PuzzleType), Grid{}}, {game.current, game.marks},
                     game.hintsLeft >= 0 ? game.hintsLeft : GameModel::HintsPerGame);
}

std::string ResumePath() { return App().RecordsFolder + "/resume.sv"; }

// Two copies of the game may close at once: the one that closes last wins, whole.
std::string WriteResume(const GameModel& model) {
    QLockFile lock(QString::fromStdString(ResumePath() + ".lock"));
    if (!lock.tryLock(OtherCopyWaitMs)) return "another copy of the game is writing it";
    SavedGame game = CurrentGame(model);
    game.hintsLeft = model.HintsLeft();
    return WriteFileAtomically(ResumePath(), EncodeSavedGame(game));
}

void RemoveResume() { QFile::remove(QString::fromStdString(ResumePath())); }
