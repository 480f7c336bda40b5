#include "shell/CommandLine.h"

#include <algorithm>

namespace {

bool Has(const std::vector<std::string>& arguments, const char* longName, const char* shortName) {
    return std::any_of(arguments.begin(), arguments.end(), [&](const std::string& argument) {
        return argument == longName || argument == shortName;
    });
}

CommandLine Mistake(std::string why) {
    CommandLine line;
    line.action = CommandLine::Action::Mistake;
    line.mistake = std::move(why);
    return line;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    if (Has(arguments, "--help", "-h")) {
        line.action = CommandLine::Action::Help;
        return line;
    }
    if (Has(arguments, "--version", "-v")) {
        line.action = CommandLine::Action::Version;
        return line;
    }
    for (const std::string& argument : arguments) {
        if (argument.size() > 1 && argument.front() == '-')
            return Mistake("unknown option " + argument);
        if (!line.savedGame.empty()) return Mistake("only one saved game can be opened at a time");
        line.savedGame = argument;
    }
    return line;
}

std::string HelpText() {
    return "Usage: korvel-sudoku [FILE.sv]\n"
           "A Sudoku game of Regular and Nonomino puzzles, in Training and Challenge modes.\n"
           "\n"
           "  FILE.sv         start on this saved game instead of the title screen\n"
           "  -h, --help      show this help and exit\n"
           "  -v, --version   show the version and exit\n";
}

std::string VersionLine() { return std::string("korvel-sudoku ") + KORVEL_VERSION + "\n"; }
