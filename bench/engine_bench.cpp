// Solving and dealing speed of the engine.
#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Generator.h"
#include "engine/Random.h"
#include "engine/Solver.h"

#include <benchmark/benchmark.h>

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

std::vector<std::pair<Grid, LayoutRows>> HardPuzzles(bool nonomino) {
    ResetSudoku();
    ResetSettings();
    FillStageTables();
    SeedRandom(2024);
    HoldSeed(true);
    std::vector<std::pair<Grid, LayoutRows>> puzzles;
    for (int i = 0; i < 500; ++i) {
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
}

void SolveRegular(benchmark::State& state) { Solve(state, false); }
void SolveNonomino(benchmark::State& state) { Solve(state, true); }

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
BENCHMARK(DealPuzzle)->Arg(0)->Arg(1)->ArgName("stage");

BENCHMARK_MAIN();
