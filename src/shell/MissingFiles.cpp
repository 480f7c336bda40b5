#include "shell/MissingFiles.h"

#include "common/Platform.h"

#include <QFileInfo>
#include <iostream>

namespace {

bool& Reported() {
    static bool reported = false;
    return reported;
}

void Report(const std::string& message) {
    if (Reported()) return;
    Reported() = true;
    std::cerr << "Korvel Sudoku: " << message << '\n';
    TellPlayer(message, Platform::Icon::Warning);
}

} // namespace

void ReportMissingFile(const std::string& path) {
    Report("The file " + path + " is missing. The game goes on without it.");
}

void CheckResourceFolder(const std::string& programFolder) {
    const std::string folder = programFolder + "/res";
    if (!QFileInfo(QString::fromStdString(folder)).isDir()) {
        Report("The folder " + folder +
               " is missing. The game goes on without its pictures and sounds.");
    }
}

void ResetMissingFileReport() { Reported() = false; }
