#pragma once

#include <functional>
#include <string>

// The engine never includes the window system; the shell plugs these in.

// Lets pending window events run (the loading screen keeps drawing meanwhile).
void SetEventPump(std::function<void()> pump);
void PumpEvents();

// Shows a message to the player (the regular search's guard).
void SetErrorReporter(std::function<void(const std::string&)> reporter);
void ReportError(const std::string& message);
