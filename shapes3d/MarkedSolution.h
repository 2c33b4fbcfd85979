#pragma once

#include "core/SolveOutcome.h"

#include <initializer_list>

// A solution whose listed fields were the inputs of the case that applied.
inline Solution markedSolution(std::vector<double> values, std::initializer_list<int> given)
{
    Solution solution{std::move(values), std::vector<bool>()};
    solution.given.assign(solution.values.size(), false);
    for (int field : given)
        solution.given.at(size_t(field)) = true;
    return solution;
}
