#include "shapes3d/ConeSolver.h"

#include "shapes3d/MarkedSolution.h"

#include <cmath>
#include <numbers>

namespace {

using F = ConeSolver::Field;
constexpr double pi = std::numbers::pi;
constexpr double third = 1.0 / 3.0;

double volumeOf(double r, double h)
{
    return pi * third * r * r * h;
}

// The surface is lateral area plus base, whichever lengths were given.
Solution solved(double r, double h, double s, double volume, std::initializer_list<int> given)
{
    return markedSolution({r, h, s, volume, pi * r * s + pi * r * r}, given);
}

} // namespace

SolveOutcome ConeSolver::solve(double s, double h, double r, double volume)
{
    // Zero means not entered; a value that is not a number counts as entered.
    if (r != 0.0 && h != 0.0)
        return solved(r, h, std::sqrt(h * h + r * r), volumeOf(r, h), {F::Radius, F::Height});
    if (r != 0.0 && s != 0.0) {
        if (s <= r)
            return Refusal{slantNotOverRadiusMessage, r};
        const double height = std::sqrt(s * s - r * r);
        return solved(r, height, s, volumeOf(r, height), {F::Radius, F::SlantHeight});
    }
    if (r == 0.0 && s != 0.0 && h != 0.0) {
        if (s <= h)
            return Refusal{slantNotOverHeightMessage, h};
        const double radius = std::sqrt(s * s - h * h);
        return solved(radius, h, s, volumeOf(radius, h), {F::SlantHeight, F::Height});
    }
    if (r != 0.0 && volume != 0.0) {
        const double height = volume / (pi * third * r * r);
        return solved(r, height, std::sqrt(height * height + r * r), volume,
                      {F::Radius, F::Volume});
    }
    if (r == 0.0 && s == 0.0 && h != 0.0 && volume != 0.0) {
        const double radius = std::sqrt(volume / (pi * third * h));
        return solved(radius, h, std::sqrt(h * h + radius * radius), volume,
                      {F::Height, F::Volume});
    }
    return Refusal{};
}
