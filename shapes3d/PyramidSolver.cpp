#include "shapes3d/PyramidSolver.h"

#include "core/WideNumber.h"
#include "shapes3d/MarkedSolution.h"

#include <cmath>

namespace {

using F = PyramidSolver::Field;
constexpr double third = 1.0 / 3.0;
#define TR(text) QT_TRANSLATE_NOOP("Polymetra", text)

constexpr const char* symbols[] = {"a", "b", "h", "V", "S"};

// Each pair of triangular faces rises over one pair of base edges; their heights are the
// slant heights over the middles of the other edges. Wide, a slant height that overflows
// or underflows alone cannot meet an edge that did the opposite.
double surfaceOf(WorkingRecorder& w, double a, double b, double h)
{
    const WideNumber overA = sqrt(WideNumber(b) * 0.5 * b * 0.5 + WideNumber(h) * h) * a;
    const WideNumber overB = sqrt(WideNumber(a) * 0.5 * a * 0.5 + WideNumber(h) * h) * b;
    return w.step(F::Surface, "S", TR("{a}·√(({b}/2)² + {h}²) + {b}·√(({a}/2)² + {h}²) + {a}·{b}"),
                  {{"a", a}, {"b", b}, {"h", h}}, (overA + overB + WideNumber(a) * b).value());
}

// The volume over the product of the other two lengths and a third, kept wide.
double thirdLength(WorkingRecorder& w, F target, double volume, F field1, double length1, F field2,
                   double length2)
{
    return w.step(target, symbols[target], TR("3·{V}/({x}·{y})"),
                  {{"V", volume}, {"x", length1, symbols[field1]}, {"y", length2, symbols[field2]}},
                  (volume / (WideNumber(length1) * third * length2)).value());
}

Solution solved(WorkingRecorder& w, double a, double b, double h, double volume,
                std::initializer_list<int> given)
{
    const double surface = surfaceOf(w, a, b, h);
    Solution solution = markedSolution({a, b, h, volume, surface}, given);
    solution.steps = w.take();
    return solution;
}

} // namespace

SolveOutcome PyramidSolver::solve(double a, double b, double h, double volume)
{
    // Zero means not entered; a value that is not a number counts as entered.
    WorkingRecorder w;
    if (a != 0.0 && b != 0.0 && h != 0.0)
        return solved(w, a, b, h,
                      w.step(F::Volume, "V", TR("{a}·{b}·{h}/3"), {{"a", a}, {"b", b}, {"h", h}},
                             (WideNumber(h) * a * b * third).value()),
                      {F::SideB, F::SideA, F::Height});
    if (a != 0.0 && b != 0.0 && volume != 0.0)
        return solved(w, a, b, thirdLength(w, F::Height, volume, F::SideA, a, F::SideB, b), volume,
                      {F::SideB, F::SideA, F::Volume});
    if (a != 0.0 && h != 0.0 && volume != 0.0)
        return solved(w, a, thirdLength(w, F::SideB, volume, F::SideA, a, F::Height, h), h, volume,
                      {F::Height, F::SideA, F::Volume});
    if (a == 0.0 && b != 0.0 && h != 0.0 && volume != 0.0)
        return solved(w, thirdLength(w, F::SideA, volume, F::SideB, b, F::Height, h), b, h, volume,
                      {F::Height, F::SideB, F::Volume});
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
