#pragma once

#include <sstream>
#include <string>

// Several values on one line, separated by spaces, so that one EXPECT_EQ checks a whole
// state and its failure shows which part differs.
template <typename First, typename... Rest>
std::string Joined(const First& first, const Rest&... rest) {
    std::ostringstream line;
    line << std::boolalpha << first;
    ((line << ' ' << rest), ...);
    return line.str();
}
