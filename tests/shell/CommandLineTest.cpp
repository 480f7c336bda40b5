#include "shell/CommandLine.h"

#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Action = CommandLine::Action;

// Help and version win wherever they stand; a second file or an unknown option is refused.
TEST(CommandLine, ActionsAndTheFileToStartOn) {
    const std::string saved = "/home/ann/Korvel Sudoku/26-01-31.sv";
    const std::tuple<std::vector<std::string>, Action, std::string> cases[] = {
        {{}, Action::Play, ""},
        {{saved}, Action::Play, saved},
        {{"-"}, Action::Play, "-"},
        {{"--help"}, Action::Help, ""},
        {{"game.sv", "-h"}, Action::Help, ""},
        {{"-platform", "xcb", "--version"}, Action::Version, ""},
        {{"-v"}, Action::Version, ""},
        {{"--version", "--help"}, Action::Help, ""},
        {{"a.sv", "b.sv"}, Action::Mistake, ""},
        {{"--fullscreen"}, Action::Mistake, ""}};
    for (const auto& [arguments, action, file] : cases) {
        const CommandLine parsed = ParseCommandLine(arguments);
        EXPECT_EQ(parsed.action, action) << arguments.size();
        EXPECT_EQ(parsed.action == Action::Play ? parsed.savedGame : "", file);
    }
    EXPECT_EQ(ParseCommandLine({"--fullscreen"}).mistake, "unknown option --fullscreen");
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
