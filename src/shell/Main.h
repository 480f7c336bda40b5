#pragma once

#include <functional>
#include <string>

class Form1;

// Start-up: shared state, window, drawing surface, title screen, sounds, stage tables.
void Main(const std::string& programFolder);

// The shutdown when the window closes: music stopped, sounds closed, drawing released,
// then the process ends at once.
void Form_Unload();

// Closes the main window (the title screen's EXIT); without one, shuts down directly.
void CloseMainWindow();

// How the process ends; tests replace it so they survive a shutdown.
void SetProcessEnder(std::function<void()> ender);

Form1* MainWindow();
