#include "shell/CommandLine.h"

#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

using Action = CommandLine::Action;

TEST(CommandLine, NothingOpensTheTitleAndOneFileStartsOnIt) {
    EXPECT_EQ(ParseCommandLine({}).action, Action::Play);
    EXPECT_EQ(ParseCommandLine({}).savedGame, "");
    const CommandLine file = ParseCommandLine({"/home/ann/Korvel Sudoku/26-01-31.sv"});
    EXPECT_EQ(file.action, Action::Play);
    EXPECT_EQ(file.savedGame, "/home/ann/Korvel Sudoku/26-01-31.sv");
}

TEST(CommandLine, HelpAndVersionWinWhereverTheyStand) {
    EXPECT_EQ(ParseCommandLine({"--help"}).action, Action::Help);
    EXPECT_EQ(ParseCommandLine({"game.sv", "-h"}).action, Action::Help);
    EXPECT_EQ(ParseCommandLine({"-platform", "xcb", "--version"}).action, Action::Version);
    EXPECT_EQ(ParseCommandLine({"-v"}).action, Action::Version);
    EXPECT_EQ(ParseCommandLine({"--version", "--help"}).action, Action::Help);
}

TEST(CommandLine, UnknownOptionsAndASecondFileAreRefused) {
    const CommandLine option = ParseCommandLine({"--fullscreen"});
    EXPECT_EQ(option.action, Action::Mistake);
    EXPECT_EQ(option.mistake, "unknown option --fullscreen");
    EXPECT_EQ(ParseCommandLine({"a.sv", "b.sv"}).action, Action::Mistake);
    EXPECT_EQ(ParseCommandLine({"-"}).savedGame, "-") << "a file may be named -";
}

struct GameRun {
    int exitCode = -1;
    QString out, err;
};

// The game itself, started with no display: what must work there needs no window.
GameRun RunGame(const QStringList& arguments) {
    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    game.setProcessEnvironment(environment);
    game.start(QCoreApplication::applicationDirPath() + "/korvel-sudoku", arguments);
    if (!game.waitForFinished(20000)) game.kill();
    return {game.exitCode(), game.readAllStandardOutput(), game.readAllStandardError()};
}

TEST(GameCommandLine, VersionAndHelpPrintAndExitWithoutAWindow) {
    const GameRun version = RunGame({"--version"});
    EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
    EXPECT_EQ(version.out.toStdString(), "korvel-sudoku " + std::to_string(KORVEL_VERSION_MAJOR) +
                                             "." + std::to_string(KORVEL_VERSION_MINOR) + "." +
                                             std::to_string(KORVEL_VERSION_PATCH) + "\n");
    const GameRun help = RunGame({"game.sv", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: korvel-sudoku [FILE.sv]\n")) << help.out.toStdString();
}

} // namespace
