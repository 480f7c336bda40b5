#pragma once

#include "model/GameModel.h"
#include "persist/SavedGameFile.h"

#include <optional>
#include <string>

// Asks for a file name and writes the game in progress to it; tells the player where it
// went, or why it could not be written.
void SaveGame(const GameModel& game);

// Asks for a saved game and reads it. Nothing when the player cancels or the file cannot be
// used (the player has been told why).
std::optional<SavedGame> LoadGame();

// Reads one saved game by its path, with the same checks and messages as LoadGame.
std::optional<SavedGame> LoadGameFrom(const std::string& path);

// Makes a loaded game the one in play: its mode, level, stage, score and clock, and the
// game model of its grids.
GameModel ApplySavedGame(const SavedGame& game);

// The game in play when the window closed, kept beside the records for the next start: what
// SAVE GAME would write, marks included, and the hints left. Empty text when written.
std::string ResumePath();
std::string WriteResume(const GameModel& game);
void RemoveResume();

// The chosen path, or empty text when nothing is to be saved (cancelled, or the player
// would not replace an existing file).
std::string AskSaveFileName();
std::string AskOpenFileName();

// A file of that name in the save folder, which is made if it is missing.
std::string ProposedSaveName(const std::string& name);

// "YY-MM-DD.sv": the name a save proposes on that day.
std::string DefaultSaveName(int year, int month, int day);
