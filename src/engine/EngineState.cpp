#include "engine/EngineState.h"

EngineState& Sudoku() {
    static EngineState state;
    return state;
}

void ResetSudoku() { Sudoku() = EngineState{}; }
