#include "SudokuChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using sudoku_checks::Flatten;

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ToolRun RunTool(const std::string& args, const std::string& input = "") {
    static int runs = 0;
    const fs::path dir =
        fs::temp_directory_path() /
        ("korvel-puzzles-test-" + std::to_string(getpid()) + "-" + std::to_string(++runs));
    fs::create_directories(dir);
    std::ofstream(dir / "in", std::ios::binary) << input;
    const std::string command = std::string("\"") + KORVEL_PUZZLES_EXE + "\" " + args + " < \"" +
                                (dir / "in").string() + "\" > \"" + (dir / "out").string() +
                                "\" 2> \"" + (dir / "err").string() + "\"";
    const int raw = std::system(command.c_str());
    ToolRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(dir / "out");
    run.err = ReadFile(dir / "err");
    fs::remove_all(dir);
    return run;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

struct Dealt {
    std::string puzzle;
    std::string solution;
    std::string regions;
};

Dealt Split(const std::string& line) {
    Dealt dealt;
    std::istringstream(line) >> dealt.puzzle >> dealt.solution >> dealt.regions;
    return dealt;
}

bool AllDigits(const std::string& text) {
    return text.size() == 81 &&
           std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// Everything a dealt line promises, checked without the engine.
void CheckDealt(const std::string& line, int level) {
    SCOPED_TRACE(line);
    const std::array<int, 3> givens{41, 32, 27};
    const Dealt d = Split(line);
    ASSERT_EQ(line.size(), 3 * 81 + 2u);
    ASSERT_TRUE(AllDigits(d.puzzle) && AllDigits(d.solution) && AllDigits(d.regions));
    ASSERT_TRUE(sudoku_checks::HasNineConnectedRegions(d.regions));
    ASSERT_TRUE(sudoku_checks::IsSolution(d.solution, d.regions));
    ASSERT_TRUE(sudoku_checks::KeepsGivens(d.puzzle, d.solution));
    ASSERT_EQ(81 - std::count(d.puzzle.begin(), d.puzzle.end(), '0'), givens[level]);
    ASSERT_EQ(sudoku_checks::EmptiesPerRow(d.puzzle), sudoku_checks::ExpectedEmpties(level));
}

TEST(PuzzlesToolTest, ThousandsOfDealtPuzzlesPassAnIndependentCheck) {
    const int count = 200;
    std::map<std::string, std::set<std::string>> layouts;
    for (const std::string type : {"0", "1", "2", "3", "4", "5", "n"}) {
        for (int level = 0; level <= 2; ++level) {
            const ToolRun run =
                RunTool("--type " + type + " --level " + std::to_string(level) + " --count " +
                        std::to_string(count) + " --seed " + std::to_string(100 + level));
            ASSERT_EQ(run.status, 0) << run.err;
            const std::vector<std::string> lines = Lines(run.out);
            ASSERT_EQ(lines.size(), static_cast<size_t>(count));
            for (const std::string& line : lines) {
                CheckDealt(line, level);
                if (HasFatalFailure()) return;
                layouts[type].insert(Split(line).regions);
            }
        }
    }
    EXPECT_EQ(layouts["0"], std::set<std::string>{Flatten(sudoku_checks::BoxLayout())});
    std::set<std::string> templates;
    for (const std::string type : {"1", "2", "3", "4", "5"}) {
        ASSERT_EQ(layouts[type].size(), 1u) << "type " << type << " keeps its template";
        templates.insert(*layouts[type].begin());
    }
    EXPECT_EQ(templates.size(), 5u);
    EXPECT_EQ(templates.count(Flatten(sudoku_checks::BoxLayout())), 0u);
    EXPECT_EQ(layouts["n"], templates) << "a drawn template is one of the five";
}

TEST(PuzzlesToolTest, SeedRepeatsAndClockSeedsDiffer) {
    const ToolRun first = RunTool("--type 0 --level 1 --count 20 --seed 9");
    const ToolRun second = RunTool("--seed 9 --count 20 --level 1 --type 0");
    ASSERT_EQ(first.status, 0);
    EXPECT_EQ(first.out, second.out);

    const ToolRun clocked = RunTool("--type n --level 0 --count 100");
    ASSERT_EQ(clocked.status, 0);
    const std::vector<std::string> lines = Lines(clocked.out);
    EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), lines.size());
    EXPECT_NE(RunTool("--type 0 --level 0 --count 5").out,
              RunTool("--type 0 --level 0 --count 5").out);
}

TEST(PuzzlesToolTest, SolveAnswersEveryLineInOrder) {
    std::vector<Dealt> dealt;
    for (const std::string type : {"0", "n"}) {
        for (const std::string& line :
             Lines(RunTool("--type " + type + " --level 2 --count 150 --seed 3").out))
            dealt.push_back(Split(line));
    }
    ASSERT_EQ(dealt.size(), 300u);
    const std::string regular = Flatten(sudoku_checks::BoxLayout());
    std::string input;
    for (const Dealt& d : dealt)
        input += d.puzzle + (d.regions == regular ? "" : " " + d.regions) + "\n";
    const std::string contradiction = "11" + std::string(79, '0');
    const std::string unsolvable = "123456780" + std::string(63, '0') + "000000009";
    input += contradiction + "\n" + unsolvable + " " + regular + "\r\n";

    const ToolRun run = RunTool("--solve", input);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> answers = Lines(run.out);
    ASSERT_EQ(answers.size(), dealt.size() + 2);
    for (size_t i = 0; i < dealt.size(); ++i) {
        SCOPED_TRACE(dealt[i].puzzle);
        ASSERT_TRUE(sudoku_checks::IsSolution(answers[i], dealt[i].regions));
        ASSERT_TRUE(sudoku_checks::KeepsGivens(dealt[i].puzzle, answers[i]));
    }
    EXPECT_EQ(answers[dealt.size()], "none");
    EXPECT_EQ(answers[dealt.size() + 1], "none");
}

TEST(PuzzlesToolTest, BadArgumentsExitWithStatusTwo) {
    for (const std::string args :
         {"", "--type 0 --level 0", "--type 6 --level 0 --count 1", "--type x --level 0 --count 1",
          "--type 0 --level 3 --count 1", "--type 0 --level 0 --count 0",
          "--type 0 --level 0 --count abc", "--type 0 --level 0 --count 1 --seed -1",
          "--type 0 --type 1 --level 0 --count 1", "--type 0 --level 0 --count 1 --extra",
          "--solve --type 0", "--type"}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << args;
    }
}

TEST(PuzzlesToolTest, BadSolveLineStopsWithStatusTwo) {
    const std::string good = std::string(81, '0');
    std::string regionOfTen = "1" + Flatten(sudoku_checks::BoxLayout()).substr(1);
    regionOfTen[3] = '1';
    for (const std::string& bad :
         {std::string(80, '0'), std::string(82, '0'), "x" + std::string(80, '0'),
          good + " " + regionOfTen, good + "\t" + Flatten(sudoku_checks::BoxLayout()),
          good + " " + std::string(80, '1'), std::string()}) {
        const ToolRun run = RunTool("--solve", good + "\n" + bad + "\n" + good + "\n");
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_EQ(Lines(run.out).size(), 1u) << bad;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << bad;
    }
}

} // namespace
