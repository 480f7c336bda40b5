#pragma once

#include "engine/LogicStep.h"
#include "model/GameModel.h"

#include <string>
#include <vector>

// What the game can tell a player who asks for the next step, worked out from the digits on
// the board alone: a step that places a digit and why; or the entry that leaves the board
// with no answer (or that the entries together do); or that no step exists, because several
// answers fit or because the techniques run out.
struct Advice {
    enum class Kind { Step, WrongEntry, NoAnswer, SeveralAnswers, NoStepFound };

    Kind kind = Kind::NoStepFound;
    LogicStep step; // Step
    int cell = -1;  // WrongEntry: the entry to blame
    int digit = 0;  // WrongEntry: its digit
};

Advice NextAdvice(const GameModel& game);

// The advice in the game's words, one line each, the first saying what and why.
std::vector<std::string> DescribeAdvice(const Advice& advice);
