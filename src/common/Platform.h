#pragma once

#include <memory>
#include <string>

// Everything modal that the system owns. The game uses the real one; tests install a
// scripted one that answers and records the questions.
class Platform {
public:
    enum class Buttons { Ok, YesNo, OkCancel };
    enum class Icon { None, Information, Question, Warning };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Platform() = default;
    // Empty text when the player cancels.
    virtual std::string AskSaveFileName(const std::string& title, const std::string& filter,
                                        const std::string& proposed) = 0;
    virtual std::string AskOpenFileName(const std::string& title, const std::string& filter,
                                        const std::string& proposed) = 0;
    virtual Answer MessageBox(const std::string& text, const std::string& title, Buttons buttons,
                              Icon icon) = 0;
    // Empty text on cancel; the box takes no more than maxLength characters.
    virtual std::string AskName(const std::string& prompt, const std::string& title,
                                int maxLength) = 0;
    virtual bool HasDefaultPrinter() = 0;
};

Platform& ThePlatform();
// Installs the platform behind a hold of the game clock.
void SetPlatform(std::unique_ptr<Platform> platform);

// The title of every message box that has none of its own.
inline constexpr const char* ProgramTitle = "Korvel Sudoku";

// A message with an OK button under the game's title.
void TellPlayer(const std::string& text, Platform::Icon icon);

// The question before a file is written over; true when the player answers Yes.
bool AskToReplace();
