#include "shapes3d/CylinderSolver.h"

#include "core/Angles.h"
#include "core/WideNumber.h"
#include "shapes3d/MarkedSolution.h"

#include <cmath>

namespace {

using F = CylinderSolver::Field;
using Angles::pi;

// Wide, so that a radius squared that underflows still counts against a long height.
double surfaceOf(double r, double h)
{
    return (WideNumber(r) * (2 * pi) * h + WideNumber(2 * pi) * r * r).value();
}

Solution solved(double r, double h, double volume, double surface, std::initializer_list<int> given)
{
    return markedSolution({r, h, volume, surface}, given);
}

} // namespace

SolveOutcome CylinderSolver::solve(double h, double volume, double r, double surface)
{
    // Zero means not entered; a value that is not a number counts as entered.
    if (r != 0.0 && h != 0.0)
        return solved(r, h, h * r * r * pi, surfaceOf(r, h), {F::Radius, F::Height});
    if (volume != 0.0 && r != 0.0) {
        const double height = (volume / (WideNumber(r) * pi * r)).value();
        return solved(r, height, volume, surfaceOf(r, height), {F::Volume, F::Radius});
    }
    if (surface != 0.0 && r != 0.0) {
        // Both bases must leave some area for the side.
        const double bases = r * ((pi + pi) * r);
        if (!(bases < surface))
            return Refusal{baseAreasMessage, bases};
        const double height = (pi * -2 * r * r + surface) / ((pi + pi) * r);
        return solved(r, height, (WideNumber(pi) * r * r * height).value(), surface,
                      {F::Surface, F::Radius});
    }
    if (volume != 0.0 && h != 0.0) {
        const double radius = sqrt(volume / (WideNumber(h) * pi)).value();
        return solved(radius, h, volume, surfaceOf(radius, h), {F::Volume, F::Height});
    }
    return Refusal{};
}

namespace {

SolveOutcome solveFields(const std::vector<double>& values)
{
    return CylinderSolver::solve(values[CylinderSolver::Height], values[CylinderSolver::Volume],
                                 values[CylinderSolver::Radius], values[CylinderSolver::Surface]);
}

} // namespace

const ShapeFieldTable& CylinderSolver::fieldTable()
{
    static const ShapeFieldTable table{
        QT_TRANSLATE_NOOP("Polymetra", "Cylinder"),
        ShapeDimension::Solid,
        {
            {"radiusTextField", QT_TRANSLATE_NOOP("Polymetra", "Radius:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nRadius: ")},
            {"heightTextField", QT_TRANSLATE_NOOP("Polymetra", "Height:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nHeight: ")},
            {"volumeTextField", QT_TRANSLATE_NOOP("Polymetra", "Volume:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nVolume: ")},
            {"surfaceTextField", QT_TRANSLATE_NOOP("Polymetra", "Surface:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSurface: ")},
        },
        &solveFields,
    };
    return table;
}
