#include "shapes3d/PyramidSolver.h"

#include "shapes3d/MarkedSolution.h"

#include <cmath>

namespace {

using F = PyramidSolver::Field;
constexpr double third = 1.0 / 3.0;

// Each pair of triangular faces rises over one pair of base edges; their heights are the
// slant heights over the middles of the other edges.
double surfaceOf(double a, double b, double h)
{
    return std::sqrt(b * 0.5 * b * 0.5 + h * h) * a + std::sqrt(a * 0.5 * a * 0.5 + h * h) * b +
           a * b;
}

Solution solved(double a, double b, double h, double volume, std::initializer_list<int> given)
{
    return markedSolution({a, b, h, volume, surfaceOf(a, b, h)}, given);
}

} // namespace

SolveOutcome PyramidSolver::solve(double a, double b, double h, double volume)
{
    // Zero means not entered; a value that is not a number counts as entered.
    if (a != 0.0 && b != 0.0 && h != 0.0)
        return solved(a, b, h, h * a * b * third, {F::SideB, F::SideA, F::Height});
    if (a != 0.0 && b != 0.0 && volume != 0.0)
        return solved(a, b, volume / (a * third * b), volume, {F::SideB, F::SideA, F::Volume});
    if (a != 0.0 && h != 0.0 && volume != 0.0)
        return solved(a, volume / (a * third * h), h, volume, {F::Height, F::SideA, F::Volume});
    if (a == 0.0 && b != 0.0 && h != 0.0 && volume != 0.0)
        return solved(volume / (b * third * h), b, h, volume, {F::Height, F::SideB, F::Volume});
    return Refusal{};
}
