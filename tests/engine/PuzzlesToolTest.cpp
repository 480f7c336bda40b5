#include "SudokuChecks.h"

#include "engine/Grading.h"

#include <QProcess>
#include <QString>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <vector>

namespace {

using namespace sudoku_checks;

struct ToolRun {
    int status = -1;
    std::vector<std::string> lines;
    std::string errors;
    long errorLines = 0;
};

// Runs the built tool with the given arguments and standard input.
ToolRun RunTool(const std::string& args, const std::string& input = "") {
    QProcess tool;
    tool.start(KORVEL_PUZZLES_EXE, QProcess::splitCommand(QString::fromStdString(args)));
    tool.write(input.data(), static_cast<qint64>(input.size()));
    tool.closeWriteChannel();
    tool.waitForFinished(60000);
    ToolRun run;
    run.status = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    std::istringstream out(tool.readAllStandardOutput().toStdString());
    for (std::string line; std::getline(out, line);)
        run.lines.push_back(line);
    run.errors = tool.readAllStandardError().toStdString();
    run.errorLines = std::count(run.errors.begin(), run.errors.end(), '\n');
    return run;
}

struct Dealt {
    std::string puzzle, solution, regions;
};

Dealt Split(const std::string& line) {
    Dealt d;
    std::istringstream(line) >> d.puzzle >> d.solution >> d.regions;
    EXPECT_EQ(line, d.puzzle + " " + d.solution + " " + d.regions);
    return d;
}

TEST(PuzzlesToolTest, ThousandsOfDealtPuzzlesPassAnIndependentCheck) {
    std::map<std::string, std::set<std::string>> layouts;
    for (const std::string type : {"0", "1", "2", "3", "4", "5", "n"}) {
        for (int level = 0; level <= 2; ++level) {
            const ToolRun run = RunTool("--type " + type + " --level " + std::to_string(level) +
                                        " --count 200 --seed " + std::to_string(level));
            ASSERT_EQ(run.status, 0);
            ASSERT_EQ(run.lines.size(), 200u);
            for (const std::string& line : run.lines) {
                const Dealt d = Split(line);
                ASSERT_TRUE(HasNineConnectedRegions(d.regions)) << line;
                ASSERT_TRUE(IsDealt(d.puzzle, d.solution, d.regions, level));
                layouts[type].insert(d.regions);
            }
        }
    }
    EXPECT_EQ(layouts["0"], std::set<std::string>{Flatten(BoxLayout())});
    std::set<std::string> templates;
    for (const std::string type : {"1", "2", "3", "4", "5"}) {
        EXPECT_EQ(layouts[type].size(), 1u) << "type " << type << " keeps its template";
        templates.insert(layouts[type].begin(), layouts[type].end());
    }
    EXPECT_EQ(templates.size(), 5u);
    EXPECT_EQ(layouts["n"], templates) << "training draws each of the five templates";
}

// Dealing is pinned: a seed gives the same puzzle in every build, on either layout.
TEST(PuzzlesToolTest, SeedsRepeatAndClockSeedsDiffer) {
    EXPECT_EQ(RunTool("--type 0 --level 2 --count 1 --seed 5").lines.at(0).substr(0, 81),
              "003004008000090610070800002300050020009400100080007005700200050000049006006003080");
    EXPECT_EQ(RunTool("--type 3 --level 1 --count 1 --seed 5").lines.at(0).substr(0, 81),
              "800036400001500007050009260002800070910000034000060309008145000040027000200000713");
    EXPECT_EQ(RunTool("--type 0 --level 1 --count 20 --seed 9").lines,
              RunTool("--seed 9 --count 20 --level 1 --type 0").lines);
    const std::vector<std::string> lines = RunTool("--type n --level 0 --count 100").lines;
    EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), 100u);
}

TEST(PuzzlesToolTest, SolveAndGradeAnswerEveryLineInOrder) {
    std::vector<Dealt> dealt;
    for (const std::string type : {"0", "n"})
        for (const std::string& line : RunTool("--type " + type + " --level 2 --count 150").lines)
            dealt.push_back(Split(line));
    const std::string boxes = Flatten(BoxLayout());
    std::string input;
    for (const Dealt& d : dealt)
        input += d.puzzle + (d.regions == boxes ? "" : " " + d.regions) + "\n";
    input += "11" + std::string(79, '0') + "\r\n";
    const ToolRun run = RunTool("--solve", input);
    const ToolRun graded = RunTool("--grade", input);
    ASSERT_TRUE(run.status == 0 && graded.status == 0) << run.status << graded.status;
    ASSERT_EQ(run.lines.size(), 301u);
    ASSERT_EQ(graded.lines.size(), 301u);
    for (size_t i = 0; i < dealt.size(); ++i) {
        ASSERT_TRUE(IsSolution(run.lines[i], dealt[i].regions)) << dealt[i].puzzle;
        ASSERT_TRUE(KeepsGivens(dealt[i].puzzle, run.lines[i]));
        const PuzzleGrade grade = GradePuzzle(ToGrid(dealt[i].puzzle), ToLayout(dealt[i].regions));
        EXPECT_EQ(graded.lines[i].substr(0, graded.lines[i].find(' ')), GradeName(grade.grade));
    }
    EXPECT_EQ(run.lines.back(), "none");
    EXPECT_EQ(graded.lines.back(), "None");
}

TEST(PuzzlesToolTest, BadArgumentsAndLinesExitWithStatusTwo) {
    for (const std::string args :
         {"", "--type 0 --level 0", "--type 6 --level 0 --count 1", "--type 0 --level 3 --count 1",
          "--type 0 --level 0 --count 0", "--type 0 --level 0 --count 1 --seed x",
          "--type 0 --type 1 --level 0 --count 1", "--solve --type 0", "--type"}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(run.lines.empty()) << args;
        EXPECT_EQ(run.errorLines, 1) << args;
    }
    const std::string empty(81, '0');
    std::string tenInRegionOne = Flatten(BoxLayout());
    tenInRegionOne[3] = '1';
    for (const std::string& bad :
         {std::string(80, '0'), empty.substr(1) + "x", empty + "0", empty + " " + tenInRegionOne,
          empty + "\t" + std::string(81, '1'), empty + " " + std::string(80, '1'), std::string()}) {
        const ToolRun run = RunTool("--solve", empty + "\n" + bad + "\n" + empty + "\n");
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_EQ(run.lines.size(), 1u) << "only the line before the bad one: " << bad;
        EXPECT_EQ(run.errorLines, 1) << bad;
    }
    // A line too long to be a puzzle is refused by its number, and reading goes on; the
    // longest line a puzzle can have still passes.
    const std::string longest = empty + " " + Flatten(BoxLayout());
    const std::string huge(4'000'000, '1');
    const ToolRun run = RunTool("--solve", longest + "\n" + huge + "\n" + empty + "\r\n" + huge);
    EXPECT_EQ(run.status, 2);
    ASSERT_EQ(run.lines.size(), 2u) << "the lines around the long ones are answered";
    EXPECT_TRUE(KeepsGivens(empty, run.lines[1]));
    EXPECT_EQ(run.errorLines, 2);
    EXPECT_NE(run.errors.find("line 2:"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("line 4:"), std::string::npos) << run.errors;
}

} // namespace
