#include "engine/StepText.h"

#include <array>

namespace {

std::string Name(House house) {
    switch (house.kind) {
    case HouseKind::Row: return "row " + std::to_string(house.index + 1);
    case HouseKind::Column: return "column " + std::to_string(house.index + 1);
    case HouseKind::Region: break;
    }
    return "this region";
}

// "2 and 7", "2, 5 and 7".
std::string DigitList(const std::vector<int>& digits) {
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0) text += i + 1 == digits.size() ? " and " : ", ";
        text += std::to_string(digits[i]);
    }
    return text;
}

// "rows 2 and 7" for two houses of one kind.
std::string Lines(House first, House second) {
    return (first.kind == HouseKind::Row ? "rows " : "columns ") + std::to_string(first.index + 1) +
           " and " + std::to_string(second.index + 1);
}

} // namespace

std::string TechniqueName(Technique technique) {
    static const std::array<const char*, 10> names{
        "Full house", "Hidden single", "Naked single", "Pointing",      "Claiming",
        "Naked pair", "Hidden pair",   "Naked triple", "Hidden triple", "X-Wing"};
    return names[static_cast<size_t>(technique)];
}

std::string DescribePlacement(const LogicStep& step) {
    const std::string digit = std::to_string(step.digit);
    switch (step.technique) {
    case Technique::FullHouse:
        return "Full house: " + digit + " is the only digit missing from " +
               Name(step.houses.front());
    case Technique::HiddenSingle:
        return "Hidden single: " + digit + " can go only here in " + Name(step.houses.front());
    default: break;
    }
    return "Naked single: " + digit + " is the only digit this cell can take";
}

std::string DescribeElimination(const Elimination& elimination) {
    const std::string name = TechniqueName(elimination.technique) + ": ";
    const std::vector<House>& houses = elimination.houses;
    const std::string digits = DigitList(elimination.digits);
    switch (elimination.technique) {
    case Technique::Pointing:
    case Technique::Claiming:
        return name + Name(houses[0]) + "'s " + digits + "s lie in " + Name(houses[1]) +
               ", so no other cell there can be " + digits;
    case Technique::NakedPair:
    case Technique::NakedTriple:
        return name + "these cells take only " + digits + ", so no other in " + Name(houses[0]) +
               " can";
    case Technique::HiddenPair:
    case Technique::HiddenTriple:
        return name + digits + " fit only here in " + Name(houses[0]) + ", so nothing else can";
    case Technique::XWing:
        return name + Lines(houses[0], houses[1]) + " take " + digits + " only in " +
               Lines(houses[2], houses[3]) + ", so no other " + digits + " there";
    default: break;
    }
    return name;
}

std::string DescribeStep(const LogicStep& step) {
    const Elimination* hardest = nullptr;
    for (const Elimination& elimination : step.eliminations) {
        if (!hardest || elimination.technique >= hardest->technique) hardest = &elimination;
    }
    return hardest ? DescribeElimination(*hardest) : DescribePlacement(step);
}
