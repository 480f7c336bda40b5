#pragma once

#include <string>

// Asks for a file name and writes the game in progress to it; tells the player where it
// went, or why it could not be written.
void SaveGame();

// Asks for a saved game and reads it into the game state. False when the player cancels
// or the file cannot be used (the player has been told why); the state is then untouched.
bool LoadGame();

// Reads one saved game by its path, with the same checks and messages as LoadGame.
bool LoadGameFrom(const std::string& path);

// The chosen path, or empty text when nothing is to be saved (cancelled, or the player
// would not replace an existing file).
std::string AskSaveFileName();
std::string AskOpenFileName();

// "YY-MM-DD.sv": the name a save proposes on that day.
std::string DefaultSaveName(int year, int month, int day);
