#include "model/GameModel.h"
#include "engine/Layout.h"
#include "engine/SudokuChecks.h"
#include "model/Advice.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// Two completions: cells 32, 35, 41 and 44 hold 1 3 3 1 in the dealt one and 3 1 1 3 in
// the other. Entering 6 in cell 0 clashes with nothing yet leaves no completion.
constexpr const char* Dealt =
    "000008912000005348000002567859760420426850790713924856961537284287419635345286179";
const std::string& Solution = sudoku_checks::ClassicSolution;
using sudoku_checks::ToGrid;

Puzzle TestPuzzle() { return {ToGrid(Dealt), RegularLayout, ToGrid(Solution)}; }

GameModel NewGame() { return {TestPuzzle(), {ToGrid(Dealt), {}}}; }

// The player's part of the board in reading order: "0=5" an entry, "1=(34)" marks.
std::string Shown(const GameModel& game) {
    std::ostringstream out;
    for (int cell = 0; cell < 81; ++cell) {
        if (game.IsGiven(cell)) continue;
        if (game.Digit(cell) != 0) out << ' ' << cell << '=' << game.Digit(cell);
        if (game.Marks(cell) == 0) continue;
        out << ' ' << cell << "=(";
        for (int digit = 1; digit <= 9; ++digit)
            if (game.Marks(cell) & DigitBit(digit)) out << digit;
        out << ')';
    }
    return out.str().empty() ? "" : out.str().substr(1);
}

// Plays a script: "E0:5" enters 5 in cell 0, "M1:3" toggles the mark 3, "X0" erases,
// "H0" asks a hint, "F" fills candidates, "U" undoes, "R" redoes, "S" restarts, "G" gives up.
void Play(GameModel& game, const std::string& script) {
    std::istringstream words(script);
    std::string word;
    while (words >> word) {
        const int cell = word.size() > 1 ? std::stoi(word.substr(1)) : -1;
        const size_t colon = word.find(':');
        const int digit = colon == std::string::npos ? 0 : std::stoi(word.substr(colon + 1));
        switch (word[0]) {
        case 'E': game.Play({Move::Kind::Enter, cell, digit}); break;
        case 'M': game.Play({Move::Kind::Mark, cell, digit}); break;
        case 'X': game.Play({Move::Kind::Erase, cell}); break;
        case 'F': game.Play({Move::Kind::FillCandidates}); break;
        case 'H': game.Hint(cell); break;
        case 'U': game.Undo(); break;
        case 'R': game.Redo(); break;
        case 'S': game.Restart(); break;
        case 'G': game.GiveUp(); break;
        default: FAIL() << word;
        }
    }
}

struct Sequence {
    const char* script;
    const char* shown;
    int hintsLeft;
    bool canRedo;
};

TEST(GameModel, MoveSequencesUndoAndRedo) {
    const Sequence sequences[] = {
        {"E0:5 E1:3 U", "0=5", 3, true},
        {"E0:5 E1:3 U U R R", "0=5 1=3", 3, false},
        {"E0:5 U U U R", "0=5", 3, false},
        {"E0:5 U E1:3 R", "1=3", 3, false},        // a new move drops what could be redone
        {"E0:5 U E0:8 R", "0=5", 3, false},        // a refused entry (8 stands in row 0) keeps it
        {"E0:5 E1:3 U X2 R", "0=5 1=3", 3, false}, // so does erasing an empty cell
        {"E0:5 E0:5 U", "", 3, true},              // the same digit again is no move
        {"E5:1", "", 3, false},                    // givens never change
        {"M1:3 M1:4", "1=(34)", 3, false},
        {"M1:3 M1:3", "", 3, false},
        {"M1:3 M1:4 U", "1=(3)", 3, true},
        {"E1:3 M1:4", "1=3", 3, false},     // a cell with an entry takes no marks
        {"M1:3 E1:3 X1 U", "1=3", 3, true}, // erasing clears entry and marks
        {"M1:5 M9:5 M32:5 M1:6 E0:5", "0=5 1=(6) 32=(5)", 3, false},
        {"M1:5 M9:5 E0:5 U", "1=(5) 9=(5)", 3, true}, // one undo brings the marks back
        {"H0", "0=5", 2, false},
        {"H0 U", "", 2, true},       // an undone hint stays spent
        {"H0 U R", "0=5", 2, false}, // and its redo spends no other
        {"H0 H0 H0 H1 H2 H3", "0=5 1=3 2=4", 0, false},
        {"E32:3 H35", "32=3 35=1", 2, false}, // a hint follows the player's own completion
        {"E1:3 F",
         "0=(56) 1=3 2=(4) 3=(6) 4=(47) 9=(16) 10=(79) 11=(2) 12=(16) 13=(79) 18=(1) 19=(9) "
         "20=(48) 21=(13) 22=(49) 32=(13) 35=(13) 41=(13) 44=(13)",
         3, false}, // every empty cell gets what it can take
        {"E1:3 F U", "1=3", 3, true},
        {"M1:3 E0:5 H2 S U", "", 3, false},    // restarting ends the history and returns the hints
        {"E0:5 G E1:3 U H1", "0=5", 3, false}, // so does giving up, and nothing more is played
    };
    for (const Sequence& s : sequences) {
        GameModel game = NewGame();
        Play(game, s.script);
        EXPECT_EQ(Shown(game), s.shown) << s.script;
        EXPECT_EQ(game.HintsLeft(), s.hintsLeft) << s.script;
        EXPECT_EQ(game.CanRedo(), s.canRedo) << s.script;
    }
}

// The last cell of the board loses its mark like any other neighbour.
TEST(GameModel, ADigitClearsItsMarkFromTheLastCellToo) {
    std::string dealt = Solution;
    dealt[79] = dealt[80] = '0';
    GameModel game({ToGrid(dealt), RegularLayout, ToGrid(Solution)}, {ToGrid(dealt), {}});
    Play(game, "M80:7 M80:9 E79:7");
    EXPECT_EQ(Shown(game), "79=7 80=(9)");
}

TEST(GameModel, ARefusedEntryNamesTheCellHoldingItsDigit) {
    GameModel game = NewGame();
    EXPECT_EQ(game.Play({Move::Kind::Enter, 0, 8}).clash, 5) << "row";
    EXPECT_EQ(game.Play({Move::Kind::Enter, 0, 4}).clash, 36) << "column";
    EXPECT_EQ(game.ClashFor(0, 6), -1);
    EXPECT_FALSE(game.CanUndo());
}

TEST(GameModel, AWrongEntryIsNamedAndTheHintNotSpent) {
    struct Case {
        const char* script;
        int wrong;
    };
    const Case cases[] = {
        {"E0:6", 0},
        {"E1:3 E0:6 X1", 0},
        {"E32:3 E44:1", 44}, // each fits one completion; the later one is to blame
        {"E44:1 E32:3", 32},
    };
    for (const Case& c : cases) {
        GameModel game = NewGame();
        Play(game, c.script);
        const GameModel::HintOutcome hint = game.Hint(2);
        EXPECT_FALSE(hint.placed) << c.script;
        EXPECT_EQ(hint.wrongCell, c.wrong) << c.script;
        EXPECT_EQ(game.HintsLeft(), 3) << c.script;
    }
    // A loaded game knows no history: the first entry in reading order that is to blame.
    Grid loaded = ToGrid(Dealt);
    CellOf(loaded, 0) = 5;
    CellOf(loaded, 3) = 3;
    CellOf(loaded, 9) = 6;
    GameModel resumed(TestPuzzle(), {loaded, {}});
    EXPECT_EQ(resumed.WrongEntry(), 3);
    EXPECT_EQ(NewGame().WrongEntry(), -1);
}

TEST(GameModel, CompletionEndsTheHistory) {
    GameModel won = NewGame();
    for (int cell = 0; cell < 81; ++cell)
        won.Play({Move::Kind::Enter, cell, Solution[cell] - '0'});
    EXPECT_TRUE(won.IsComplete());
    EXPECT_FALSE(won.Undo()) << "a finished game stays finished";
}

TEST(GameModel, APuzzleWithoutItsSolutionIsSolved) {
    Puzzle puzzle = TestPuzzle();
    puzzle.solution = Grid{};
    GameModel game(puzzle, {puzzle.givens, {}});
    EXPECT_TRUE(IsFull(game.ThePuzzle().solution));
    EXPECT_FALSE(HasClash(game.ThePuzzle().solution, RegularLayout));
}

// The next step is worked out from the board as the player left it.
TEST(GameModel, AdviceNamesAStepAWrongEntryOrSeveralAnswers) {
    struct Case {
        const char* script;
        Advice::Kind kind;
        int cell;
    };
    // The singles of rows 0 to 2 fill the board up to the two completions' rectangle.
    const char* forced = "E0:5 E1:3 E2:4 E3:6 E4:7 E9:6 E10:7 E11:2 E12:1 E13:9 E18:1 E19:9 "
                         "E20:8 E21:3 E22:4";
    const Case cases[] = {
        {"", Advice::Kind::Step, -1},
        {"E0:6", Advice::Kind::WrongEntry, 0},
        {"E0:6 E3:3", Advice::Kind::NoAnswer, -1}, // either alone leaves no answer
        {forced, Advice::Kind::SeveralAnswers, -1},
    };
    for (const Case& c : cases) {
        GameModel game = NewGame();
        Play(game, c.script);
        const Advice advice = NextAdvice(game);
        EXPECT_EQ(advice.kind, c.kind) << c.script;
        if (c.kind == Advice::Kind::WrongEntry) {
            EXPECT_EQ(advice.cell, c.cell);
            EXPECT_EQ(DescribeAdvice(advice).front(), "This 6 is not right:");
        }
        if (c.kind == Advice::Kind::Step) {
            EXPECT_EQ(advice.step.digit, Solution[advice.step.cell] - '0');
            EXPECT_EQ(game.Digit(advice.step.cell), 0) << "nothing is placed";
        }
    }
}

} // namespace
