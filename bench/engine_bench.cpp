// Solving, grading and dealing speed of the engine.
#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Generator.h"
#include "engine/Grading.h"
#include "engine/Random.h"
#include "engine/Solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

namespace {

// Deals a game as a challenge stage does; stage 0 is regular, stage 1 template 1, ...
void Deal(uint8_t stage, int16_t level) {
    Settings().TrainingMode = false;
    Settings().Stage = stage;
    PrepareNewPuzzle();
    BuildSolution();
    HideCells(level);
}

std::vector<std::pair<Grid, LayoutRows>> HardPuzzles(bool nonomino, int count = 500) {
    ResetSudoku();
    ResetSettings();
    FillStageTables();
    SeedRandom(2024);
    HoldSeed(true);
    std::vector<std::pair<Grid, LayoutRows>> puzzles;
    for (int i = 0; i < count; ++i) {
        Deal(static_cast<uint8_t>(nonomino ? 1 + 2 * (i % 5) : 0), 2);
        puzzles.emplace_back(Sudoku().GivenGrid, Sudoku().RegionLayout);
    }
    HoldSeed(false);
    return puzzles;
}

void Solve(benchmark::State& state, bool nonomino) {
    const auto puzzles = HardPuzzles(nonomino);
    size_t next = 0;
    for (auto _ : state) {
        const auto& [grid, layout] = puzzles[next++ % puzzles.size()];
        benchmark::DoNotOptimize(SolveGrid(grid, layout));
    }
    state.SetItemsProcessed(state.iterations());
}

void SolveRegular(benchmark::State& state) { Solve(state, false); }
void SolveNonomino(benchmark::State& state) { Solve(state, true); }

// Each of 1,000 dealt Hard puzzles, uniqueness check included, timed on its own; a puzzle's
// time is its fastest over the runs, so a pause of the machine does not make it the worst.
void Grade(benchmark::State& state, bool nonomino) {
    const auto puzzles = HardPuzzles(nonomino, 1000);
    std::vector<double> fastest(puzzles.size(), 1e9);
    for (auto _ : state) {
        for (size_t i = 0; i < puzzles.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(GradePuzzle(puzzles[i].first, puzzles[i].second));
            const std::chrono::duration<double, std::micro> took =
                std::chrono::steady_clock::now() - start;
            fastest[i] = std::min(fastest[i], took.count());
        }
    }
    std::sort(fastest.begin(), fastest.end());
    state.counters["median_us"] = fastest[fastest.size() / 2];
    state.counters["worst_us"] = fastest.back();
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(puzzles.size()));
}

void GradeRegular(benchmark::State& state) { Grade(state, false); }
void GradeNonomino(benchmark::State& state) { Grade(state, true); }

void DealPuzzle(benchmark::State& state) {
    ResetSudoku();
    ResetSettings();
    FillStageTables();
    SeedRandom(7);
    HoldSeed(true);
    const auto stage = static_cast<uint8_t>(state.range(0));
    for (auto _ : state) {
        Deal(stage, 2);
        benchmark::DoNotOptimize(Sudoku().GivenGrid);
    }
    HoldSeed(false);
}

} // namespace

BENCHMARK(SolveRegular);
BENCHMARK(SolveNonomino);
BENCHMARK(GradeRegular)->Unit(benchmark::kMillisecond);
BENCHMARK(GradeNonomino)->Unit(benchmark::kMillisecond);
BENCHMARK(DealPuzzle)->Arg(0)->Arg(1)->ArgName("stage");

BENCHMARK_MAIN();
