#pragma once

#include <string>

// A missing resource is named once a run, on the terminal and in a message box; the
// game then goes on without it. Only the first one is named: without res/ every
// picture and sound would be missing.
void ReportMissingFile(const std::string& path);
// Start-up: names res/ itself when it is not there at all.
void CheckResourceFolder(const std::string& programFolder);
// Lets the next missing file be named again (tests).
void ResetMissingFileReport();
