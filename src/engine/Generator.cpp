#include "engine/Generator.h"

#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Hooks.h"
#include "engine/Layout.h"
#include "engine/Random.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <utility>

namespace {

struct HideQuota {
    int16_t q0 = 0; // row 0 and the even rows
    int16_t q1 = 0; // the odd rows
};

HideQuota QuotaFor(int16_t level) {
    switch (level) {
    case 0: return {3, 4};
    case 1: return {4, 5};
    case 2: return {5, 5};
    default: return {0, 0};
    }
}

void MarkSeen(int16_t value) {
    if (value - 1 >= 0) Sudoku().SeenDigits[value - 1] = true;
}

void BuildRegularSolution() {
    EngineState& s = Sudoku();
    s.CurrentGrid = {};
    s.TriedCount = {};
    for (int16_t row = 0; row <= 8; ++row) {
        FillRow(row);
        PumpEvents();
    }
}

void BuildNonominoSolution() {
    EngineState& s = Sudoku();
    std::array<int16_t, 9> perm{};
    std::iota(perm.begin(), perm.end(), int16_t{1});
    PumpEvents();
    // Positions 1..8 only: digit 1 keeps its template places.
    for (int i = 0; i < 6; ++i) {
        const int p = RoundHalfEven(7.0f * static_cast<float>(Rnd()) + 1.0f);
        const int q = RoundHalfEven(7.0f * static_cast<float>(Rnd()) + 1.0f);
        std::swap(perm[p], perm[q]);
    }
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c)
            s.CurrentGrid[r][c] = perm[s.SolutionTemplate[r][c] - '1'];
        PumpEvents();
    }
}

// Steps back from col (and across rows) until an earlier cell takes a digit it has not
// tried yet. Returns false when the search ran out of cells.
bool StepBack(int16_t& row, int& col) {
    EngineState& s = Sudoku();
    for (;;) {
        int c2 = col - 1;
        if (c2 < 0) {
            --row;
            c2 = 8;
        }
        if (row < 0) {
            ReportError("Error");
            return false;
        }
        s.TriedDigits[row][c2][s.TriedCount[row][c2]] =
            static_cast<uint8_t>(s.CurrentGrid[row][c2]);
        ++s.TriedCount[row][c2];
        const int16_t d = NextUntriedDigit(row, c2);
        col = c2;
        if (d != -1) {
            s.CurrentGrid[row][c2] = d;
            return true;
        }
        s.CurrentGrid[row][c2] = 0;
        s.TriedCount[row][c2] = 0;
    }
}

} // namespace

void PrepareNewPuzzle() {
    EngineState& s = Sudoku();
    GameSettings& settings = Settings();
    s.FreeDigitCount = 9;
    s.SeenDigits = {};
    if (!settings.TrainingMode) settings.PuzzleType = settings.StageType[StageIndex()];
    // A challenge stage keeps its template; training draws one.
    BuildLayout(settings.TrainingMode ? 0 : -1);
}

void BuildSolution() {
    if (Settings().PuzzleType == 0)
        BuildRegularSolution();
    else
        BuildNonominoSolution();
}

void FillRow(int16_t& row) {
    for (int col = 0; col <= 8; ++col) {
        CountFreeDigits(row, col);
        const int16_t d = PickRandomFreeDigit();
        if (d != -1)
            Sudoku().CurrentGrid[row][col] = d;
        else if (!StepBack(row, col))
            return;
    }
}

void CountFreeDigits(int row, int col) {
    EngineState& s = Sudoku();
    s.SeenDigits = {};
    for (int c = 0; c <= col; ++c)
        MarkSeen(s.CurrentGrid[row][c]);
    for (int r = 0; r <= row; ++r)
        MarkSeen(s.CurrentGrid[r][col]);
    const int16_t k = GetIndexInRegion(col, row);
    for (int i = 0; i < k; ++i) {
        const CellPos cell = GetRegionCell(col, row, i);
        MarkSeen(s.CurrentGrid[cell.row][cell.column]);
    }
    int seen = 0;
    for (bool marked : s.SeenDigits)
        seen += marked ? 1 : 0;
    s.FreeDigitCount = static_cast<int16_t>(9 - seen);
}

int16_t PickRandomFreeDigit() {
    const EngineState& s = Sudoku();
    const int n = s.FreeDigitCount;
    if (n <= 0) return -1;
    // Rounding makes the first and last free digit half as likely as the ones between.
    int t = RoundHalfEven(Rnd() * (n - 1) + 1);
    for (int16_t d = 1; d <= 9; ++d) {
        if (!s.SeenDigits[d - 1] && --t == 0) return d;
    }
    return -1;
}

int16_t NextUntriedDigit(int row, int col) {
    CountFreeDigits(row, col);
    const EngineState& s = Sudoku();
    const auto& tried = s.TriedDigits[row][col];
    const auto triedEnd = tried.begin() + s.TriedCount[row][col];
    for (int16_t d = 1; d <= 9; ++d) {
        if (!s.SeenDigits[d - 1] && std::find(tried.begin(), triedEnd, d) == triedEnd) return d;
    }
    return -1;
}

void HideCells(int16_t level) {
    EngineState& s = Sudoku();
    s.SolutionGrid = s.CurrentGrid;
    const Grid& solution = s.SolutionGrid;
    const HideQuota quota = QuotaFor(level);
    std::array<int, 9> colHidden{};
    std::array<int, 9> digitHidden{};
    std::array<bool, 9> taken{};

    // Row 0 is the only random step; every later row follows from it.
    for (int hidden = 0; hidden <= quota.q0;) {
        const int c = static_cast<int>(9 * Rnd());
        if (taken[c]) continue;
        taken[c] = true;
        digitHidden[solution[0][c] - 1] = 1;
        colHidden[c] = 1;
        s.CurrentGrid[0][c] = 0;
        ++hidden;
    }

    for (int a = 1; a <= 8; ++a) {
        std::array<int, 9> order{};
        std::iota(order.begin(), order.end(), 0);
        std::array<int, 9> score{};
        for (int k = 0; k <= 8; ++k) {
            score[k] = 8 - colHidden[k] - digitHidden[solution[a][k] - 1];
            // Emptying both ends of a swappable rectangle would leave two solutions.
            for (int m = 0; m < k; ++m) {
                for (int p = 0; p < a; ++p) {
                    if (solution[p][m] == solution[a][k] && solution[a][m] == solution[p][k] &&
                        s.CurrentGrid[p][m] == 0 && s.CurrentGrid[p][k] == 0) {
                        if (score[k] <= score[m])
                            score[k] -= 32;
                        else
                            score[m] -= 32;
                    }
                }
            }
            // Equal scores never swap, so earlier columns win ties.
            for (int j = k; j >= 1; --j) {
                if (score[order[j]] > score[order[j - 1]]) std::swap(order[j], order[j - 1]);
            }
        }
        const int n = (a % 2 == 1) ? quota.q1 : quota.q0;
        for (int k = 0; k <= n; ++k) {
            const int c = order[k];
            ++digitHidden[solution[a][c] - 1];
            ++colHidden[c];
            s.CurrentGrid[a][c] = 0;
        }
    }
    s.GivenGrid = s.CurrentGrid;
}
