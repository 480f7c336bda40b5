#pragma once

#include <functional>
#include <memory>
#include <string>

class Form1;
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

// Start-up: shared state, window, drawing surface, title screen, sounds, stage tables.
void Main(const std::string& programFolder, const SystemParts& system = RealSystemParts());

// The shutdown when the window closes: music stopped, sounds closed, drawing released,
// then the process ends at once.
void Form_Unload();

// Closes the main window (the title screen's EXIT); without one, shuts down directly.
void CloseMainWindow();

// How the process ends; tests replace it so they survive a shutdown.
void SetProcessEnder(std::function<void()> ender);

Form1* MainWindow();
