#include "shapes3d/ConeSolver.h"

#include "core/Angles.h"
#include "core/WideNumber.h"
#include "shapes3d/MarkedSolution.h"

#include <cmath>

namespace {

using F = ConeSolver::Field;
using Angles::pi;
constexpr double third = 1.0 / 3.0;

// Lengths and volumes are multiplied wide throughout: a needle's radius squared may
// underflow, or its slant height squared overflow, while the cone itself fits.
double volumeOf(double r, double h)
{
    return (WideNumber(pi * third) * r * r * h).value();
}

// The surface is lateral area plus base, whichever lengths were given.
Solution solved(double r, double h, double s, double volume, std::initializer_list<int> given)
{
    return markedSolution(
        {r, h, s, volume, (WideNumber(pi) * r * s + WideNumber(pi) * r * r).value()}, given);
}

// A side of the right triangle of radius, height and slant height from the other two.
double hypotenuse(double leg1, double leg2)
{
    return sqrt(WideNumber(leg1) * leg1 + WideNumber(leg2) * leg2).value();
}

double leg(double hypotenuse, double other)
{
    return sqrt(WideNumber(hypotenuse) * hypotenuse - WideNumber(other) * other).value();
}

} // namespace

SolveOutcome ConeSolver::solve(double s, double h, double r, double volume)
{
    // Zero means not entered; a value that is not a number counts as entered.
    if (r != 0.0 && h != 0.0)
        return solved(r, h, hypotenuse(h, r), volumeOf(r, h), {F::Radius, F::Height});
    if (r != 0.0 && s != 0.0) {
        if (s <= r)
            return Refusal{slantNotOverRadiusMessage, r};
        const double height = leg(s, r);
        return solved(r, height, s, volumeOf(r, height), {F::Radius, F::SlantHeight});
    }
    if (r == 0.0 && s != 0.0 && h != 0.0) {
        if (s <= h)
            return Refusal{slantNotOverHeightMessage, h};
        const double radius = leg(s, h);
        return solved(radius, h, s, volumeOf(radius, h), {F::SlantHeight, F::Height});
    }
    if (r != 0.0 && volume != 0.0) {
        const double height = (volume / (WideNumber(pi * third) * r * r)).value();
        return solved(r, height, hypotenuse(height, r), volume, {F::Radius, F::Volume});
    }
    if (r == 0.0 && s == 0.0 && h != 0.0 && volume != 0.0) {
        const double radius = sqrt(volume / (WideNumber(pi * third) * h)).value();
        return solved(radius, h, hypotenuse(h, radius), volume, {F::Height, F::Volume});
    }
    return Refusal{};
}

namespace {

SolveOutcome solveFields(const std::vector<double>& values)
{
    // A surface typed into the output-only field is never read.
    return ConeSolver::solve(values[ConeSolver::SlantHeight], values[ConeSolver::Height],
                             values[ConeSolver::Radius], values[ConeSolver::Volume]);
}

} // namespace

const ShapeFieldTable& ConeSolver::fieldTable()
{
    using Role = FieldRole;
    static const ShapeFieldTable table{
        QT_TRANSLATE_NOOP("Polymetra", "Cone"),
        ShapeDimension::Solid,
        {
            {"radiusTextField", QT_TRANSLATE_NOOP("Polymetra", "Radius:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nRadius: ")},
            {"HeigthHTextField", QT_TRANSLATE_NOOP("Polymetra", "Height:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nHeight: ")},
            {"slantHeightTextField", QT_TRANSLATE_NOOP("Polymetra", "Slant Height:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSlant Height: ")},
            {"volumeTextField", QT_TRANSLATE_NOOP("Polymetra", "Volume:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nVolume: ")},
            {"SurfaceTextField", QT_TRANSLATE_NOOP("Polymetra", "Surface:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSurface: "), Role::OutputOnly},
        },
        &solveFields,
    };
    return table;
}
