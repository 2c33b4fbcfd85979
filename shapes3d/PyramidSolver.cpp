#include "shapes3d/PyramidSolver.h"

#include "core/WideNumber.h"
#include "shapes3d/MarkedSolution.h"

#include <cmath>

namespace {

using F = PyramidSolver::Field;
constexpr double third = 1.0 / 3.0;

// Each pair of triangular faces rises over one pair of base edges; their heights are the
// slant heights over the middles of the other edges. Wide, a slant height that overflows
// or underflows alone cannot meet an edge that did the opposite.
double surfaceOf(double a, double b, double h)
{
    const WideNumber overA = sqrt(WideNumber(b) * 0.5 * b * 0.5 + WideNumber(h) * h) * a;
    const WideNumber overB = sqrt(WideNumber(a) * 0.5 * a * 0.5 + WideNumber(h) * h) * b;
    return (overA + overB + WideNumber(a) * b).value();
}

// The volume over the product of the other two lengths and a third, kept wide.
double thirdLength(double volume, double length1, double length2)
{
    return (volume / (WideNumber(length1) * third * length2)).value();
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
        return solved(a, b, h, (WideNumber(h) * a * b * third).value(),
                      {F::SideB, F::SideA, F::Height});
    if (a != 0.0 && b != 0.0 && volume != 0.0)
        return solved(a, b, thirdLength(volume, a, b), volume, {F::SideB, F::SideA, F::Volume});
    if (a != 0.0 && h != 0.0 && volume != 0.0)
        return solved(a, thirdLength(volume, a, h), h, volume, {F::Height, F::SideA, F::Volume});
    if (a == 0.0 && b != 0.0 && h != 0.0 && volume != 0.0)
        return solved(thirdLength(volume, b, h), b, h, volume, {F::Height, F::SideB, F::Volume});
    return Refusal{};
}

namespace {

SolveOutcome solveFields(const std::vector<double>& values)
{
    // A surface typed into the output-only field is never read.
    return PyramidSolver::solve(values[PyramidSolver::SideA], values[PyramidSolver::SideB],
                                values[PyramidSolver::Height], values[PyramidSolver::Volume]);
}

} // namespace

const ShapeFieldTable& PyramidSolver::fieldTable()
{
    using Role = FieldRole;
    static const ShapeFieldTable table{
        QT_TRANSLATE_NOOP("Polymetra", "Pyramid"),
        ShapeDimension::Solid,
        {
            {"sideATextField", QT_TRANSLATE_NOOP("Polymetra", "Side a:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide a: ")},
            {"sideBTextField", QT_TRANSLATE_NOOP("Polymetra", "Side b:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide b: ")},
            {"heightHTextField", QT_TRANSLATE_NOOP("Polymetra", "Height:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nHeight: ")},
            {"volumeTextField", QT_TRANSLATE_NOOP("Polymetra", "Volume:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nVolume: ")},
            {"SurfaceTextField", QT_TRANSLATE_NOOP("Polymetra", "Surface:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSurface: "), Role::OutputOnly},
        },
        &solveFields,
    };
    return table;
}
