#include "shell/Main.h"
#include "shell/CommandLine.h"
#include "shell/Resume.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ArgumentsAfterProgram(const QStringList& arguments) {
    std::vector<std::string> after;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        after.push_back(arguments[i].toStdString());
    return after;
}

// --help and --version answer before any window system is needed.
bool AnsweredWithoutWindow(int argc, char* argv[]) {
    const CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (line.action == CommandLine::Action::Help) std::fputs(HelpText().c_str(), stdout);
    if (line.action == CommandLine::Action::Version) std::fputs(VersionLine().c_str(), stdout);
    return line.action == CommandLine::Action::Help || line.action == CommandLine::Action::Version;
}

} // namespace

int main(int argc, char* argv[]) {
    if (AnsweredWithoutWindow(argc, argv)) return 0;
    QApplication::setApplicationName(QStringLiteral("korvel-sudoku"));
    QGuiApplication::setDesktopFileName(QStringLiteral("net.korvel.KorvelSudoku"));
    QApplication app(argc, argv);
    // The window system has taken its own options out of the arguments by now.
    const CommandLine line = ParseCommandLine(ArgumentsAfterProgram(QApplication::arguments()));
    if (line.action == CommandLine::Action::Mistake) {
        std::fprintf(stderr, "korvel-sudoku: %s\nTry 'korvel-sudoku --help'.\n",
                     line.mistake.c_str());
        return 2;
    }
    Main(QCoreApplication::applicationDirPath().toStdString());
    // A file named on the command line wins; a game left open waits for the next start.
    if (!line.savedGame.empty()) {
        QTimer::singleShot(0, [path = line.savedGame] { OpenSavedGame(path); });
    } else {
        QTimer::singleShot(0, [] { OfferResume(); });
    }
    return QApplication::exec();
}
