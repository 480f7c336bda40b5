#include "model/Advice.h"

#include "engine/Solver.h"
#include "engine/StepSolver.h"
#include "engine/StepText.h"

#include <cctype>

Advice NextAdvice(const GameModel& game) {
    const Grid& digits = game.Now().digits;
    const LayoutRows& layout = game.ThePuzzle().layout;
    Advice advice;
    if (!game.Completion()) {
        advice.cell = game.WrongEntry();
        if (advice.cell == -1) {
            advice.kind = Advice::Kind::NoAnswer;
        } else {
            advice.kind = Advice::Kind::WrongEntry;
            advice.digit = game.Digit(advice.cell);
        }
    } else if (const auto step = FindNextStep(digits, layout)) {
        advice.kind = Advice::Kind::Step;
        advice.step = *step;
    } else if (CountSolutions(digits, layout, 2) > 1) {
        advice.kind = Advice::Kind::SeveralAnswers;
    }
    return advice;
}

std::vector<std::string> DescribeAdvice(const Advice& advice) {
    switch (advice.kind) {
    case Advice::Kind::Step: {
        std::vector<std::string> lines{DescribeStep(advice.step)};
        if (advice.step.eliminations.empty()) return lines;
        // The line above said why digits went; this one says where a digit lands.
        std::string then = DescribePlacement(advice.step);
        then.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(then.front())));
        lines.push_back("Then " + then);
        return lines;
    }
    case Advice::Kind::WrongEntry:
        return {"This " + std::to_string(advice.digit) + " is not right:",
                "no answer to the puzzle keeps it"};
    case Advice::Kind::NoAnswer:
        return {"The entries on the board leave no answer:", "take some of them back"};
    case Advice::Kind::SeveralAnswers:
        return {"More than one answer fits this board:",
                "any digit that keeps the rules can be right"};
    case Advice::Kind::NoStepFound: break;
    }
    return {"No step of the kinds this game knows is left:",
            "try the candidates with pencil marks"};
}
