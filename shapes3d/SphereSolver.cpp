#include "shapes3d/SphereSolver.h"

#include "core/Angles.h"
#include "core/WideNumber.h"
#include "shapes3d/MarkedSolution.h"

#include <cmath>

namespace {

using F = SphereSolver::Field;
using Angles::pi;
constexpr double fourThirds = 4.0 / 3.0;

Solution solved(double r, double diameter, double volume, double surface, F given)
{
    return markedSolution({r, diameter, volume, surface}, {given});
}

double volumeOf(double r)
{
    return pi * fourThirds * r * r * r;
}

} // namespace

SolveOutcome SphereSolver::solve(double diameter, double r, double surface, double volume)
{
    // Zero means not entered; a value that is not a number counts as entered.
    if (r != 0.0)
        return solved(r, r + r, volumeOf(r), pi * 4 * r * r, F::Radius);
    if (diameter != 0.0) {
        const double radius = 0.5 * diameter;
        return solved(radius, diameter, volumeOf(radius), pi * 4 * radius * radius, F::Diameter);
    }
    if (volume != 0.0) {
        // Wide, the quotient of a volume near the smallest number keeps its digits.
        const double radius = cbrt(WideNumber(volume) / (pi * fourThirds)).value();
        return solved(radius, radius + radius, volume, radius * radius * pi * 4, F::Volume);
    }
    if (surface != 0.0) {
        const double radius = sqrt(WideNumber(surface) / (pi * 4)).value();
        return solved(radius, radius + radius, volumeOf(radius), surface, F::Surface);
    }
    return Refusal{};
}

namespace {

SolveOutcome solveFields(const std::vector<double>& values)
{
    return SphereSolver::solve(values[SphereSolver::Diameter], values[SphereSolver::Radius],
                               values[SphereSolver::Surface], values[SphereSolver::Volume]);
}

} // namespace

const ShapeFieldTable& SphereSolver::fieldTable()
{
    static const ShapeFieldTable table{
        QT_TRANSLATE_NOOP("Polymetra", "Sphere"),
        ShapeDimension::Solid,
        {
            {"radiusTextField", QT_TRANSLATE_NOOP("Polymetra", "Radius:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nRadius: ")},
            {"diameterTextField", QT_TRANSLATE_NOOP("Polymetra", "Diameter:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nDiameter: ")},
            {"volumeTextField", QT_TRANSLATE_NOOP("Polymetra", "Volume:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nVolume: ")},
            {"surfaceTextField", QT_TRANSLATE_NOOP("Polymetra", "Surface:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSurface: ")},
        },
        &solveFields,
    };
    return table;
}
