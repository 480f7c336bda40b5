// Developer tool: deals puzzles the way a new game does, or solves or grades puzzles from
// stdin.
#include "PuzzleLines.h"
#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Generator.h"
#include "engine/Grading.h"
#include "engine/Random.h"
#include "engine/Solver.h"
#include "engine/StepText.h"

#include <charconv>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int BadUsage = 2;
constexpr const char* Usage =
    "usage: korvel-puzzles --type 0-5|n --level 0-2 --count N [--seed S] | --solve | --grade";

struct DealRequest {
    char type = 0; // '0'..'5', or 'n' for a template drawn as training does
    int16_t level = 0;
    long count = 0;
    std::optional<uint64_t> seed;
};

template <typename Number> std::optional<Number> ParseNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<DealRequest> ParseDealRequest(const std::vector<std::string_view>& args) {
    DealRequest request;
    bool hasType = false;
    bool hasLevel = false;
    bool hasCount = false;
    for (size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return std::nullopt;
        const std::string_view option = args[i];
        const std::string_view value = args[i + 1];
        if (option == "--type" && !hasType && value.size() == 1 &&
            ((value[0] >= '0' && value[0] <= '5') || value[0] == 'n')) {
            request.type = value[0];
            hasType = true;
        } else if (option == "--level" && !hasLevel && value.size() == 1 && value[0] >= '0' &&
                   value[0] <= '2') {
            request.level = static_cast<int16_t>(value[0] - '0');
            hasLevel = true;
        } else if (option == "--count" && !hasCount && ParseNumber<long>(value).value_or(0) > 0) {
            request.count = *ParseNumber<long>(value);
            hasCount = true;
        } else if (option == "--seed" && !request.seed && ParseNumber<uint64_t>(value)) {
            request.seed = ParseNumber<uint64_t>(value);
        } else {
            return std::nullopt;
        }
    }
    if (!hasType || !hasLevel || !hasCount) return std::nullopt;
    return request;
}

void AppendGrid(std::string& out, const Grid& grid) {
    for (const auto& row : grid) {
        for (int16_t value : row)
            out += static_cast<char>('0' + value);
    }
}

// Sets up the settings as the options screen or a challenge stage would.
void ChooseGame(const DealRequest& request) {
    ResetSudoku();
    ResetSettings();
    FillStageTables();
    GameSettings& settings = Settings();
    settings.Level = request.level;
    if (request.type == 'n' || request.type == '0') {
        settings.TrainingMode = true;
        settings.PuzzleType = request.type == 'n' ? 1 : 0;
        return;
    }
    // A challenge keeps the template of its stage.
    settings.TrainingMode = false;
    for (uint8_t stage = 0; stage < settings.StageType.size(); ++stage) {
        if (settings.StageType[stage] == request.type - '0') settings.Stage = stage;
    }
}

int Deal(const DealRequest& request) {
    if (request.seed) {
        SeedRandom(*request.seed);
        HoldSeed(true);
    }
    ChooseGame(request);
    std::string line;
    for (long i = 0; i < request.count; ++i) {
        if (request.type == 'n') Settings().PuzzleType = 1;
        PrepareNewPuzzle();
        BuildSolution();
        HideCells(request.level);
        line.clear();
        AppendGrid(line, Sudoku().GivenGrid);
        line += ' ';
        AppendGrid(line, Sudoku().SolutionGrid);
        line += ' ';
        for (const std::string& row : Sudoku().RegionLayout)
            line += row;
        line += '\n';
        std::cout << line;
    }
    return 0;
}

std::string Solution(const Grid& grid, const LayoutRows& layout) {
    const std::optional<Grid> solution = SolveGrid(grid, layout);
    std::string line;
    if (solution)
        AppendGrid(line, *solution);
    else
        line = "none";
    return line;
}

// The grade's name, then what decided it.
std::string GradeLine(const Grid& grid, const LayoutRows& layout) {
    const PuzzleGrade grade = GradePuzzle(grid, layout);
    std::string line = GradeName(grade.grade);
    if (grade.grade == Grade::Beyond)
        line += " (" + std::to_string(grade.cellsLeft) + " cells left)";
    else if (grade.grade < Grade::Beyond)
        line += " (" + TechniqueName(grade.hardest) + ")";
    return line;
}

// Answers every puzzle line in order. A line too long to be a puzzle is refused and
// the rest is read on; a malformed line ends the run.
int AnswerLines(std::string (*answer)(const Grid&, const LayoutRows&)) {
    std::string text;
    int status = 0;
    long lineNumber = 1;
    for (LineRead read; (read = ReadPuzzleLine(std::cin, text)) != LineRead::End; ++lineNumber) {
        Grid grid{};
        LayoutRows layout{};
        if (read == LineRead::TooLong) {
            std::cout.flush();
            std::cerr << "korvel-puzzles: line " << lineNumber << ": longer than "
                      << MaxPuzzleLineLength << " characters, skipped\n";
            status = BadUsage;
            continue;
        }
        if (!ParsePuzzleLine(text, grid, layout)) {
            std::cout.flush();
            std::cerr << "korvel-puzzles: line " << lineNumber
                      << ": expected 81 digits, optionally a space and 81 region digits\n";
            return BadUsage;
        }
        std::cout << answer(grid, layout) << '\n';
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--solve") return AnswerLines(Solution);
    if (args.size() == 1 && args[0] == "--grade") return AnswerLines(GradeLine);
    const std::optional<DealRequest> request = ParseDealRequest(args);
    if (!request) {
        std::cerr << Usage << '\n';
        return BadUsage;
    }
    return Deal(*request);
}
