#include "shapes2d/SquareSolver.h"

#include <cmath>

namespace {

Solution solved(SquareSolver::Field marked, double side, double area, double perimeter)
{
    Solution solution{{side, area, perimeter}, std::vector<bool>(SquareSolver::FieldCount, false)};
    solution.given[marked] = true;
    return solution;
}

} // namespace

SolveOutcome SquareSolver::solve(double area, double side, double perimeter)
{
    // Each test is exact; a value that is not a number counts as entered. No sign check:
    // a negative area gives a side that is not a number, shown as such.
    if (side != 0.0)
        return solved(Side, side, side * side, 4 * side);
    if (area != 0.0) {
        const double a = std::sqrt(area);
        return solved(Area, a, area, 4 * a);
    }
    if (perimeter != 0.0) {
        const double a = 0.25 * perimeter;
        return solved(Perimeter, a, a * a, perimeter);
    }
    return Refusal{};
}
