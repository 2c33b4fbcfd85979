#include "shapes3d/SphereSolver.h"

#include "core/Angles.h"
#include "core/WideNumber.h"
#include "shapes3d/MarkedSolution.h"

#include <cmath>

namespace {

using F = SphereSolver::Field;
using Angles::pi;
constexpr double fourThirds = 4.0 / 3.0;

#define TR(text) QT_TRANSLATE_NOOP("Polymetra", text)

Solution solved(double r, double diameter, double volume, double surface, F given,
                WorkingRecorder& working)
{
    Solution solution = markedSolution({r, diameter, volume, surface}, {given});
    solution.steps = working.take();
    return solution;
}

double volumeOf(WorkingRecorder& w, double r)
{
    return w.step(F::Volume, "V", TR("4/3·π·{r}³"), {{"r", r}}, pi * fourThirds * r * r * r);
}

double twice(WorkingRecorder& w, double r)
{
    return w.step(F::Diameter, "d", TR("2·{r}"), {{"r", r}}, r + r);
}

} // namespace

SolveOutcome SphereSolver::solve(double diameter, double r, double surface, double volume)
{
    // Zero means not entered; a value that is not a number counts as entered.
    WorkingRecorder w;
    const auto surfaceOf = [&w](double radius, double computed) {
        return w.step(F::Surface, "S", TR("4·π·{r}²"), {{"r", radius}}, computed);
    };
    if (r != 0.0) {
        const double d = twice(w, r);
        const double v = volumeOf(w, r);
        return solved(r, d, v, surfaceOf(r, pi * 4 * r * r), F::Radius, w);
    }
    if (diameter != 0.0) {
        const double radius =
            w.step(F::Radius, "r", TR("{d}/2"), {{"d", diameter}}, 0.5 * diameter);
        const double v = volumeOf(w, radius);
        return solved(radius, diameter, v, surfaceOf(radius, pi * 4 * radius * radius), F::Diameter,
                      w);
    }
    if (volume != 0.0) {
        // Wide, the quotient of a volume near the smallest number keeps its digits.
        const double radius = w.step(F::Radius, "r", TR("∛(3·{V}/(4·π))"), {{"V", volume}},
                                     cbrt(WideNumber(volume) / (pi * fourThirds)).value());
        const double d = twice(w, radius);
        return solved(radius, d, volume, surfaceOf(radius, radius * radius * pi * 4), F::Volume, w);
    }
    if (surface != 0.0) {
        const double radius = w.step(F::Radius, "r", TR("√({S}/(4·π))"), {{"S", surface}},
                                     sqrt(WideNumber(surface) / (pi * 4)).value());
        const double d = twice(w, radius);
        return solved(radius, d, volumeOf(w, radius), surface, F::Surface, w);
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
