#include "shapes3d/RectangularPrismSolver.h"

#include "core/WideNumber.h"
#include "shapes3d/MarkedSolution.h"

#include <optional>

namespace {

using F = RectangularPrismSolver::Field;
#define TR(text) QT_TRANSLATE_NOOP("Polymetra", text)

constexpr const char* symbols[] = {"a", "b", "h", "V", "S"};

WorkingBinding bind(const char* placeholder, F field, double value)
{
    return {placeholder, value, symbols[field]};
}

// Twice the three faces: an edge doubled first could overflow on its own.
double surfaceOf(WorkingRecorder& w, double a, double b, double h)
{
    return w.step(F::Surface, "S", TR("2·({a}·{b} + {a}·{h} + {b}·{h})"),
                  {{"a", a}, {"b", b}, {"h", h}}, 2 * (b * a + h * a + b * h));
}

// Products and quotients of three lengths are kept wide: two short edges beside a long one
// make a volume that fits although their own product does not.
double product(WorkingRecorder& w, double x, double y, double z, double a, double b, double h)
{
    return w.step(F::Volume, "V", TR("{a}·{b}·{h}"), {{"a", a}, {"b", b}, {"h", h}},
                  (WideNumber(x) * y * z).value());
}

double quotient(WorkingRecorder& w, F target, double volume, F field1, double edge1, F field2,
                double edge2)
{
    return w.step(target, symbols[target], TR("{V}/({x}·{y})"),
                  {{"V", volume}, bind("x", field1, edge1), bind("y", field2, edge2)},
                  (volume / (WideNumber(edge1) * edge2)).value());
}

Solution solved(WorkingRecorder& w, double a, double b, double h, double volume, double surface,
                std::initializer_list<int> given)
{
    Solution solution = markedSolution({a, b, h, volume, surface}, given);
    solution.steps = w.take();
    return solution;
}

// The two faces spanned by the known edges must leave some area for the other four;
// equality is refused too, since it leaves a flat box.
std::optional<Refusal> surfaceTooSmall(double surface, F field1, double edge1, F field2,
                                       double edge2, const char* message)
{
    const double bound = 2 * (edge1 * edge2);
    if (bound < surface)
        return std::nullopt;
    return Refusal{
        message, bound,
        WorkingStep{-1,
                    "",
                    TR("2·{x}·{y} ≥ {S}: those two faces leave no area for the others"),
                    {bind("x", field1, edge1), bind("y", field2, edge2), {"S", surface}}}};
}

double edgeFromSurface(WorkingRecorder& w, F target, double surface, F field1, double edge1,
                       F field2, double edge2)
{
    return w.step(target, symbols[target], TR("({S}/2 − {x}·{y})/({x} + {y})"),
                  {{"S", surface}, bind("x", field1, edge1), bind("y", field2, edge2)},
                  (0.5 * surface - edge1 * edge2) / (edge1 + edge2));
}

} // namespace

SolveOutcome RectangularPrismSolver::solve(double a, double b, double h, double volume,
                                           double surface)
{
    // Zero means not entered; a value that is not a number counts as entered.
    WorkingRecorder w;
    if (a != 0.0 && b != 0.0 && h != 0.0) {
        const double v = product(w, a, b, h, a, b, h);
        return solved(w, a, b, h, v, surfaceOf(w, a, b, h), {F::SideA, F::SideB, F::Height});
    }
    if (volume != 0.0 && a != 0.0 && b != 0.0) {
        const double height = quotient(w, F::Height, volume, F::SideA, a, F::SideB, b);
        return solved(w, a, b, height, volume, surfaceOf(w, a, b, height),
                      {F::Volume, F::SideA, F::SideB});
    }
    if (surface != 0.0 && a != 0.0 && b != 0.0) {
        if (auto refusal = surfaceTooSmall(surface, F::SideA, a, F::SideB, b, baseAreasMessage))
            return *refusal;
        const double height = edgeFromSurface(w, F::Height, surface, F::SideA, a, F::SideB, b);
        return solved(w, a, b, height, product(w, a, b, height, a, b, height), surface,
                      {F::Surface, F::SideA, F::SideB});
    }
    if (volume != 0.0 && h != 0.0 && a != 0.0) {
        const double sideB = quotient(w, F::SideB, volume, F::SideA, a, F::Height, h);
        return solved(w, a, sideB, h, volume, surfaceOf(w, a, sideB, h),
                      {F::Volume, F::Height, F::SideA});
    }
    if (volume != 0.0 && h != 0.0 && b != 0.0) {
        const double sideA = quotient(w, F::SideA, volume, F::SideB, b, F::Height, h);
        return solved(w, sideA, b, h, volume, surfaceOf(w, sideA, b, h),
                      {F::Volume, F::Height, F::SideB});
    }
    if (surface != 0.0 && h != 0.0 && a != 0.0) {
        if (auto refusal = surfaceTooSmall(surface, F::SideA, a, F::Height, h, sideAreasMessage))
            return *refusal;
        const double sideB = edgeFromSurface(w, F::SideB, surface, F::SideA, a, F::Height, h);
        return solved(w, a, sideB, h, product(w, a, sideB, h, a, sideB, h), surface,
                      {F::Surface, F::Height, F::SideA});
    }
    if (surface != 0.0 && h != 0.0 && b != 0.0) {
        if (auto refusal = surfaceTooSmall(surface, F::SideB, b, F::Height, h, sideAreasMessage))
            return *refusal;
        const double sideA = edgeFromSurface(w, F::SideA, surface, F::SideB, b, F::Height, h);
        return solved(w, sideA, b, h, product(w, b, sideA, h, sideA, b, h), surface,
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
