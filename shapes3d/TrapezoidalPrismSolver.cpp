#include "shapes3d/TrapezoidalPrismSolver.h"

#include "shapes3d/MarkedSolution.h"

#include <cmath>
#include <numbers>

namespace {

using F = TrapezoidalPrismSolver::Field;
constexpr double pi = std::numbers::pi;

} // namespace

SolveOutcome TrapezoidalPrismSolver::solve(double a, double b, double c, double angleB, double h,
                                           double volume, double surface)
{
    // Zero means not entered; a value that is not a number counts as entered.
    if (a == 0.0 && b == 0.0 && c == 0.0 && angleB == 0.0 && h == 0.0 && volume == 0.0 &&
        surface == 0.0)
        return Refusal{};
    if (!(angleB < 180))
        return Refusal{angleMessage, std::nullopt};

    // The leg b rises at angle B from a; the run left between the leg's foot and c's end
    // closes the base with d, whatever its sign.
    const double theta = (pi / 180) * angleB;
    const double rise = std::sin(theta) * b;
    const double run = (a - c) - std::cos(theta) * b;
    const double d = std::sqrt(run * run + rise * rise);
    if (a == 0.0 || b == 0.0 || c == 0.0 || angleB == 0.0)
        return Refusal{};

    const double base = rise * (a + c) * 0.5;
    if (h != 0.0) {
        return markedSolution(
            {a, b, c, d, angleB, h, h * base, a * h + b * h + c * h + h * d + base + base},
            {F::Height, F::SideA, F::SideB, F::SideC, F::AngleB});
    }
    if (volume != 0.0) {
        const double height = volume / base;
        return markedSolution({a, b, c, d, angleB, height, volume,
                               a * height + b * height + c * height + d * height + base + base},
                              {F::Volume, F::SideA, F::SideB, F::SideC, F::AngleB});
    }
    if (surface != 0.0) {
        const double bases = base + base;
        if (!(bases < surface))
            return Refusal{baseAreasMessage, bases};
        const double height = (surface - bases) / (a + b + c + d);
        return markedSolution({a, b, c, d, angleB, height, base * height, surface},
                              {F::Surface, F::SideA, F::SideB, F::SideC, F::AngleB});
    }
    return Refusal{};
}
