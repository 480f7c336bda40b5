#pragma once

#include <functional>
#include <memory>
#include <string>

class Form1;
class Navigation;
class Platform;
class QWidget;
class SoundBackend;

// What start-up takes from the system: the game passes the real dialogs and sound,
// tests a scripted platform and a recording backend.
struct SystemParts {
    std::function<std::unique_ptr<Platform>(QWidget* window)> platform;
    std::function<std::unique_ptr<SoundBackend>()> sound;
};
SystemParts RealSystemParts();

// Start-up: shared state, the folders of the game's files, window, drawing surface, title
// screen, sounds, stage tables.
void Main(const std::string& executableFolder, const SystemParts& system = RealSystemParts());

// Starts on a saved game named from outside the game, with the checks and messages of
// LOAD GAME; a file that cannot be used leaves the player on the title screen.
void OpenSavedGame(const std::string& path);

// The shutdown when the window closes: music stopped, sounds closed, drawing released,
// then the process ends at once.
void Form_Unload();

// Closes the main window (the title screen's EXIT); without one, shuts down directly.
void CloseMainWindow();

// How the process ends; tests replace it so they survive a shutdown.
void SetProcessEnder(std::function<void()> ender);

Form1* MainWindow();

// The navigation between the screens, for this program's window.
std::unique_ptr<Navigation> MakeNavigator();
