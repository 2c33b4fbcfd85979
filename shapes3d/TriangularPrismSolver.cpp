#include "shapes3d/TriangularPrismSolver.h"

#include "shapes3d/MarkedSolution.h"
#include "shapes3d/TriangleArea.h"

#include <cmath>
#include <optional>

namespace {

using P = TriangularPrismSolver;
using F = TriangularPrismSolver::Field;

std::optional<Refusal> violatedTriangleInequality(double a, double b, double c)
{
    if (b > 0 && c > 0 && a >= b + c)
        return Refusal{P::sideAMessage, a};
    if (a > 0 && c > 0 && b >= a + c)
        return Refusal{P::sideBMessage, b};
    if (a > 0 && b > 0 && c >= a + b)
        return Refusal{P::sideCMessage, c};
    return std::nullopt;
}

// The side opposite the angle φ between two known sides, where the height and volume fix
// the base area. Of the two triangles with that area, the one whose enclosed angle is
// acute is taken. A base area larger than half the product of the two sides fits no
// triangle at all; that volume is refused rather than shown as not a number.
SolveOutcome solveMissingSide(F missing, double side1, double side2, double h, double volume,
                              std::vector<double> values)
{
    const double doubledArea = volume / h + volume / h;
    const double sinPhi = doubledArea / (side1 * side2);
    if (sinPhi > 1)
        return Refusal{P::volumeTooLargeMessage, h * side1 * side2 / 2};
    // cos φ for the acute angle, without an asin/cos round trip.
    const double cosPhi = std::sqrt((1 - sinPhi) * (1 + sinPhi));
    const double side = std::sqrt(side1 * side1 + side2 * side2 - 2 * side2 * side1 * cosPhi);
    values[missing] = side;
    values[F::Surface] = (values[F::SideA] + values[F::SideB] + values[F::SideC]) * h + doubledArea;
    std::initializer_list<int> given = {F::SideA, F::SideB, F::SideC, F::Height, F::Volume};
    Solution solution = markedSolution(std::move(values), given);
    solution.given[missing] = false;
    return solution;
}

} // namespace

SolveOutcome TriangularPrismSolver::solve(double a, double b, double c, double h, double volume,
                                          double surface)
{
    // Zero means not entered; a value that is not a number counts as entered.
    if (a == 0.0 && b == 0.0 && c == 0.0 && h == 0.0 && volume == 0.0 && surface == 0.0)
        return Refusal{};
    if (auto refusal = violatedTriangleInequality(a, b, c))
        return *refusal;

    // One side missing: only the height and the volume can stand in for it.
    std::vector<double> entered{a, b, c, h, volume, surface};
    if (a == 0.0) {
        if (b == 0.0 || c == 0.0 || h == 0.0 || volume == 0.0)
            return Refusal{};
        return solveMissingSide(F::SideA, b, c, h, volume, entered);
    }
    if (b == 0.0) {
        if (c == 0.0 || h == 0.0 || volume == 0.0)
            return Refusal{};
        return solveMissingSide(F::SideB, a, c, h, volume, entered);
    }
    if (c == 0.0) {
        if (h == 0.0 || volume == 0.0)
            return Refusal{};
        return solveMissingSide(F::SideC, a, b, h, volume, entered);
    }

    const double base = TriangleArea::fromSides(a, b, c);
    const double perimeter = a + b + c;
    if (h != 0.0) {
        return markedSolution({a, b, c, h, h * base, perimeter * h + 2 * base},
                              {F::SideA, F::SideB, F::SideC, F::Height});
    }
    if (volume != 0.0) {
        const double height = volume / base;
        return markedSolution({a, b, c, height, volume, perimeter * height + 2 * base},
                              {F::SideA, F::SideB, F::SideC, F::Volume});
    }
    if (surface != 0.0) {
        const double bases = 2 * base;
        if (!(bases < surface))
            return Refusal{baseAreasMessage, bases};
        const double height = (surface - bases) / perimeter;
        return markedSolution({a, b, c, height, height * base, surface},
                              {F::SideA, F::SideB, F::SideC, F::Surface});
    }
    return Refusal{};
}
