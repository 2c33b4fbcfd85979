#include "shapes3d/TriangularPrismSolver.h"

#include "core/WideNumber.h"
#include "shapes3d/MarkedSolution.h"
#include "shapes3d/TriangleArea.h"

#include <cmath>
#include <optional>

namespace {

using P = TriangularPrismSolver;
using F = TriangularPrismSolver::Field;
#define TR(text) QT_TRANSLATE_NOOP("Polymetra", text)

constexpr const char* symbols[] = {"a", "b", "c", "h", "V", "S"};

WorkingBinding bind(const char* placeholder, F field, double value)
{
    return {placeholder, value, symbols[field]};
}

Solution worked(Solution solution, WorkingRecorder& w)
{
    solution.steps = w.take();
    return solution;
}

Refusal sidesRefusal(const char* message, F x, double xs, F y, double ys, F z, double zs)
{
    return Refusal{message, zs,
                   WorkingStep{-1,
                               "",
                               TR("{x} + {y} ≤ {z}: no triangle has these sides"),
                               {bind("x", x, xs), bind("y", y, ys), bind("z", z, zs)}}};
}

std::optional<Refusal> violatedTriangleInequality(double a, double b, double c)
{
    if (b > 0 && c > 0 && a >= b + c)
        return sidesRefusal(P::sideAMessage, F::SideB, b, F::SideC, c, F::SideA, a);
    if (a > 0 && c > 0 && b >= a + c)
        return sidesRefusal(P::sideBMessage, F::SideA, a, F::SideC, c, F::SideB, b);
    if (a > 0 && b > 0 && c >= a + b)
        return sidesRefusal(P::sideCMessage, F::SideA, a, F::SideB, b, F::SideC, c);
    return std::nullopt;
}

// The side opposite the angle φ between two known sides, where the height and volume fix
// the base area. Of the two triangles with that area, the one whose enclosed angle is
// acute is taken. A base area larger than half the product of the two sides fits no
// triangle at all; that volume is refused rather than shown as not a number.
SolveOutcome solveMissingSide(F missing, double side1, double side2, double h, double volume,
                              std::vector<double> values)
{
    // Wide: long sides and large volumes multiply and divide beyond the range of a double.
    const WideNumber doubledArea = WideNumber(volume) / h + WideNumber(volume) / h;
    const double sinPhi = (doubledArea / (WideNumber(side1) * side2)).value();
    const F field1 = missing == F::SideA ? F::SideB : F::SideA;
    const F field2 = missing == F::SideC ? F::SideB : F::SideC;
    const std::vector<WorkingBinding> bound{
        bind("p", field1, side1), bind("q", field2, side2), {"V", volume}, {"h", h}};
    if (sinPhi > 1)
        return Refusal{
            P::volumeTooLargeMessage, (WideNumber(h) * side1 * side2 / 2).value(),
            WorkingStep{
                -1, "",
                TR("2·{V}/{h} > {p}·{q}: no triangle on these two sides has so large a base"),
                bound}};
    // cos φ for the acute angle, without an asin/cos round trip.
    const double cosPhi = std::sqrt((1 - sinPhi) * (1 + sinPhi));
    WideNumber square = WideNumber(side1) * side1 + WideNumber(side2) * side2 -
                        WideNumber(2) * side2 * side1 * cosPhi;
    // Where cancellation leaves nothing of the square (two nearly equal sides, a tiny angle),
    // it is (side1 − side2)² + 2·side1·side2·(1 − cos φ) instead, with 1 − cos φ written as
    // sin² φ / (1 + cos φ).
    if (!square.isPositive()) {
        const WideNumber difference = WideNumber(side1) - side2;
        square = difference * difference +
                 WideNumber(side1) * side2 * 2 * sinPhi * sinPhi / (1 + cosPhi);
    }
    WorkingRecorder w;
    values[missing] = w.step(missing, symbols[missing],
                             TR("√({p}² + {q}² − 2·{q}·{p}·√(1 − (2·{V}/{h}/({p}·{q}))²))"), bound,
                             sqrt(square).value());
    values[F::Surface] = w.step(
        F::Surface, "S", TR("({a} + {b} + {c})·{h} + 2·{V}/{h}"),
        {{"a", values[F::SideA]},
         {"b", values[F::SideB]},
         {"c", values[F::SideC]},
         {"h", h},
         {"V", volume}},
        ((WideNumber(values[F::SideA]) + values[F::SideB] + values[F::SideC]) * h + doubledArea)
            .value());
    std::initializer_list<int> given = {F::SideA, F::SideB, F::SideC, F::Height, F::Volume};
    Solution solution = markedSolution(std::move(values), given);
    solution.given[missing] = false;
    return worked(std::move(solution), w);
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

    // Wide, like the base: the sum of long sides overflows, and times a height that
    // underflowed to zero it would give not a number.
    const WideNumber base = TriangleArea::wideFromSides(a, b, c);
    const WideNumber perimeter = WideNumber(a) + b + c;
    // The base by Heron's formula, as a product of the sides' sums.
    WorkingRecorder w;
    const auto bound = [&](double height) {
        return std::vector<WorkingBinding>{{"a", a}, {"b", b}, {"c", c}, {"h", height}};
    };
    const auto volumeOf = [&](double height, double computed) {
        return w.step(
            F::Volume, "V",
            TR("{h}·√(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + {b} − {c}))/4"),
            bound(height), computed);
    };
    const auto surfaceOf = [&](double height, double computed) {
        return w.step(F::Surface, "S",
                      TR("({a} + {b} + {c})·{h} + √(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − "
                         "{b} + {c})·({a} + {b} − {c}))/2"),
                      bound(height), computed);
    };
    if (h != 0.0) {
        const double v = volumeOf(h, (WideNumber(h) * base).value());
        return worked(
            markedSolution({a, b, c, h, v, surfaceOf(h, (perimeter * h + 2 * base).value())},
                           {F::SideA, F::SideB, F::SideC, F::Height}),
            w);
    }
    if (volume != 0.0) {
        std::vector<WorkingBinding> given = bound(0);
        given.back() = {"V", volume};
        const double height = w.step(
            F::Height, "h",
            TR("4·{V}/√(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + {b} − {c}))"),
            given, (volume / base).value());
        return worked(markedSolution({a, b, c, height, volume,
                                      surfaceOf(height, (perimeter * height + 2 * base).value())},
                                     {F::SideA, F::SideB, F::SideC, F::Volume}),
                      w);
    }
    if (surface != 0.0) {
        const double bases = (2 * base).value();
        std::vector<WorkingBinding> given = bound(0);
        given.back() = {"S", surface};
        if (!(bases < surface))
            return Refusal{
                baseAreasMessage, bases,
                WorkingStep{-1, "",
                            TR("√(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} + {c})·({a} + "
                               "{b} − {c}))/2 ≥ {S}: the two bases leave no area for the sides"),
                            given}};
        const double height = w.step(F::Height, "h",
                                     TR("({S} − √(({a} + {b} + {c})·(−{a} + {b} + {c})·({a} − {b} "
                                        "+ {c})·({a} + {b} − {c}))/2)/({a} + {b} + {c})"),
                                     given, ((surface - WideNumber(bases)) / perimeter).value());
        const double v = volumeOf(height, (height * base).value());
        return worked(markedSolution({a, b, c, height, v, surface},
                                     {F::SideA, F::SideB, F::SideC, F::Surface}),
                      w);
    }
    return Refusal{};
}

namespace {

SolveOutcome solveFields(const std::vector<double>& values)
{
    return TriangularPrismSolver::solve(
        values[TriangularPrismSolver::SideA], values[TriangularPrismSolver::SideB],
        values[TriangularPrismSolver::SideC], values[TriangularPrismSolver::Height],
        values[TriangularPrismSolver::Volume], values[TriangularPrismSolver::Surface]);
}

} // namespace

const ShapeFieldTable& TriangularPrismSolver::fieldTable()
{
    static const ShapeFieldTable table{
        QT_TRANSLATE_NOOP("Polymetra", "Triangular Prism"),
        ShapeDimension::Solid,
        {
            {"sideATextField", QT_TRANSLATE_NOOP("Polymetra", "Side a:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide a: ")},
            {"sideBTextField", QT_TRANSLATE_NOOP("Polymetra", "Side b:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide b: ")},
            {"sideCTextField", QT_TRANSLATE_NOOP("Polymetra", "Side c:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide c: ")},
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
