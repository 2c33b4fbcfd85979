#include "shapes3d/RectangularPrismSolver.h"

#include "core/WideNumber.h"
#include "shapes3d/MarkedSolution.h"

#include <optional>

namespace {

using F = RectangularPrismSolver::Field;

// Twice the three faces: an edge doubled first could overflow on its own.
double surfaceOf(double a, double b, double h)
{
    return 2 * (b * a + h * a + b * h);
}

// Products and quotients of three lengths are kept wide: two short edges beside a long one
// make a volume that fits although their own product does not.
double product(double x, double y, double z)
{
    return (WideNumber(x) * y * z).value();
}

double quotient(double volume, double edge1, double edge2)
{
    return (volume / (WideNumber(edge1) * edge2)).value();
}

Solution solved(double a, double b, double h, double volume, double surface,
                std::initializer_list<int> given)
{
    return markedSolution({a, b, h, volume, surface}, given);
}

// The two faces spanned by the known edges must leave some area for the other four;
// equality is refused too, since it leaves a flat box.
std::optional<Refusal> surfaceTooSmall(double surface, double edge1, double edge2,
                                       const char* message)
{
    const double bound = 2 * (edge1 * edge2);
    if (bound < surface)
        return std::nullopt;
    return Refusal{message, bound};
}

double edgeFromSurface(double surface, double edge1, double edge2)
{
    return (0.5 * surface - edge1 * edge2) / (edge1 + edge2);
}

} // namespace

SolveOutcome RectangularPrismSolver::solve(double a, double b, double h, double volume,
                                           double surface)
{
    // Zero means not entered; a value that is not a number counts as entered.
    if (a != 0.0 && b != 0.0 && h != 0.0)
        return solved(a, b, h, product(a, b, h), surfaceOf(a, b, h),
                      {F::SideA, F::SideB, F::Height});
    if (volume != 0.0 && a != 0.0 && b != 0.0) {
        const double height = quotient(volume, a, b);
        return solved(a, b, height, volume, surfaceOf(a, b, height),
                      {F::Volume, F::SideA, F::SideB});
    }
    if (surface != 0.0 && a != 0.0 && b != 0.0) {
        if (auto refusal = surfaceTooSmall(surface, a, b, baseAreasMessage))
            return *refusal;
        const double height = edgeFromSurface(surface, a, b);
        return solved(a, b, height, product(a, b, height), surface,
                      {F::Surface, F::SideA, F::SideB});
    }
    if (volume != 0.0 && h != 0.0 && a != 0.0) {
        const double sideB = quotient(volume, a, h);
        return solved(a, sideB, h, volume, surfaceOf(a, sideB, h),
                      {F::Volume, F::Height, F::SideA});
    }
    if (volume != 0.0 && h != 0.0 && b != 0.0) {
        const double sideA = quotient(volume, b, h);
        return solved(sideA, b, h, volume, surfaceOf(sideA, b, h),
                      {F::Volume, F::Height, F::SideB});
    }
    if (surface != 0.0 && h != 0.0 && a != 0.0) {
        if (auto refusal = surfaceTooSmall(surface, a, h, sideAreasMessage))
            return *refusal;
        const double sideB = edgeFromSurface(surface, a, h);
        return solved(a, sideB, h, product(a, sideB, h), surface,
                      {F::Surface, F::Height, F::SideA});
    }
    if (surface != 0.0 && h != 0.0 && b != 0.0) {
        if (auto refusal = surfaceTooSmall(surface, b, h, sideAreasMessage))
            return *refusal;
        const double sideA = edgeFromSurface(surface, b, h);
        return solved(sideA, b, h, product(b, sideA, h), surface,
                      {F::Surface, F::Height, F::SideB});
    }
    return Refusal{};
}

namespace {

SolveOutcome solveFields(const std::vector<double>& values)
{
    return RectangularPrismSolver::solve(
        values[RectangularPrismSolver::SideA], values[RectangularPrismSolver::SideB],
        values[RectangularPrismSolver::Height], values[RectangularPrismSolver::Volume],
        values[RectangularPrismSolver::Surface]);
}

} // namespace

const ShapeFieldTable& RectangularPrismSolver::fieldTable()
{
    static const ShapeFieldTable table{
        QT_TRANSLATE_NOOP("Polymetra", "Rectangular Prism"),
        ShapeDimension::Solid,
        {
            {"sideATextField", QT_TRANSLATE_NOOP("Polymetra", "Side a:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide a: ")},
            {"sideBTextField", QT_TRANSLATE_NOOP("Polymetra", "Side b:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide b: ")},
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
