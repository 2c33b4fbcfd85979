#include "shapes3d/TrapezoidalPrismSolver.h"

#include "core/Angles.h"
#include "core/WideNumber.h"
#include "shapes3d/MarkedSolution.h"

#include <cmath>
#include <numeric>

namespace {

using F = TrapezoidalPrismSolver::Field;
using Angles::pi;
#define TR(text) QT_TRANSLATE_NOOP("Polymetra", text)

Solution worked(Solution solution, WorkingRecorder& w)
{
    solution.steps = w.take();
    return solution;
}

} // namespace

SolveOutcome TrapezoidalPrismSolver::solve(double a, double b, double c, double angleB, double h,
                                           double volume, double surface)
{
    // Zero means not entered; a value that is not a number counts as entered.
    if (a == 0.0 && b == 0.0 && c == 0.0 && angleB == 0.0 && h == 0.0 && volume == 0.0 &&
        surface == 0.0)
        return Refusal{};
    if (!(angleB < 180))
        return Refusal{
            angleMessage, std::nullopt,
            WorkingStep{
                -1, "", TR("{B°} ≥ 180°: the angle B must be less than 180°"), {{"B", angleB}}}};

    // The leg b rises at angle B from a; the run left between the leg's foot and c's end
    // closes the base with d, whatever its sign. Wide from here on: long parallel sides with
    // a short leg, short sides only or a tiny angle make a prism that fits, although products
    // and sums on the way to it do not.
    const WideNumber theta = WideNumber(pi / 180) * angleB;
    const WideNumber rise = sin(theta) * b;
    const double run = (a - c) - std::cos(theta.value()) * b;
    WorkingRecorder w;
    const double d = w.step(F::SideD, "d", TR("√(({a} − {c} − {b}·cos {B°})² + ({b}·sin {B°})²)"),
                            {{"a", a}, {"b", b}, {"c", c}, {"B", angleB}},
                            sqrt(WideNumber(run) * run + rise * rise).value());
    if (a == 0.0 || b == 0.0 || c == 0.0 || angleB == 0.0)
        return Refusal{};
    const auto bound = [&](double height) {
        return std::vector<WorkingBinding>{{"a", a}, {"b", b},      {"c", c},
                                           {"d", d}, {"B", angleB}, {"h", height}};
    };
    const auto surfaceOf = [&](double height, double computed) {
        return w.step(F::Surface, "S", TR("({a} + {b} + {c} + {d})·{h} + {b}·sin {B°}·({a} + {c})"),
                      bound(height), computed);
    };
    const auto volumeOf = [&](double height, double computed) {
        return w.step(F::Volume, "V", TR("{h}·{b}·sin {B°}·({a} + {c})/2"), bound(height),
                      computed);
    };

    const WideNumber base = rise * std::midpoint(a, c);
    const auto sides = [&](WideNumber height) {
        return WideNumber(a) * height + WideNumber(b) * height + WideNumber(c) * height;
    };
    if (h != 0.0) {
        const double v = volumeOf(h, (WideNumber(h) * base).value());
        return worked(
            markedSolution({a, b, c, d, angleB, h, v,
                            surfaceOf(h, (sides(h) + WideNumber(h) * d + base + base).value())},
                           {F::Height, F::SideA, F::SideB, F::SideC, F::AngleB}),
            w);
    }
    if (volume != 0.0) {
        const WideNumber height = volume / base;
        const double shown =
            w.step(F::Height, "h", TR("{V}/({b}·sin {B°}·({a} + {c})/2)"),
                   {{"V", volume}, {"a", a}, {"b", b}, {"c", c}, {"B", angleB}}, height.value());
        return worked(
            markedSolution(
                {a, b, c, d, angleB, shown, volume,
                 surfaceOf(shown, (sides(height) + WideNumber(d) * height + base + base).value())},
                {F::Volume, F::SideA, F::SideB, F::SideC, F::AngleB}),
            w);
    }
    if (surface != 0.0) {
        const double bases = (base + base).value();
        if (!(bases < surface))
            return Refusal{
                baseAreasMessage, bases,
                WorkingStep{
                    -1,
                    "",
                    TR("{b}·sin {B°}·({a} + {c}) ≥ {S}: the two bases leave no area for the sides"),
                    {{"a", a}, {"b", b}, {"c", c}, {"B", angleB}, {"S", surface}}}};
        const double height =
            w.step(F::Height, "h", TR("({S} − {b}·sin {B°}·({a} + {c}))/({a} + {b} + {c} + {d})"),
                   {{"S", surface}, {"a", a}, {"b", b}, {"c", c}, {"d", d}, {"B", angleB}},
                   ((surface - WideNumber(bases)) / (WideNumber(a) + b + c + d)).value());
        const double v = volumeOf(height, (base * height).value());
        return worked(markedSolution({a, b, c, d, angleB, height, v, surface},
                                     {F::Surface, F::SideA, F::SideB, F::SideC, F::AngleB}),
                      w);
    }
    return Refusal{};
}

namespace {

SolveOutcome solveFields(const std::vector<double>& values)
{
    // A side d typed into the output-only field is never read.
    return TrapezoidalPrismSolver::solve(
        values[TrapezoidalPrismSolver::SideA], values[TrapezoidalPrismSolver::SideB],
        values[TrapezoidalPrismSolver::SideC], values[TrapezoidalPrismSolver::AngleB],
        values[TrapezoidalPrismSolver::Height], values[TrapezoidalPrismSolver::Volume],
        values[TrapezoidalPrismSolver::Surface]);
}

} // namespace

const ShapeFieldTable& TrapezoidalPrismSolver::fieldTable()
{
    using Role = FieldRole;
    static const ShapeFieldTable table{
        QT_TRANSLATE_NOOP("Polymetra", "Trapezoidal Prism"),
        ShapeDimension::Solid,
        {
            {"sideATextField", QT_TRANSLATE_NOOP("Polymetra", "Side a:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide a: ")},
            {"sideBTextField", QT_TRANSLATE_NOOP("Polymetra", "Side b:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide b: ")},
            {"sideCTextField", QT_TRANSLATE_NOOP("Polymetra", "Side c:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide c: ")},
            {"sideDTetxField", QT_TRANSLATE_NOOP("Polymetra", "Side d:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide d: "), Role::OutputOnly},
            {"angleBTextField", QT_TRANSLATE_NOOP("Polymetra", "Angle B:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nAngle b: ")},
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
