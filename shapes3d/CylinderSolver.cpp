#include "shapes3d/CylinderSolver.h"

#include "core/Angles.h"
#include "core/WideNumber.h"
#include "shapes3d/MarkedSolution.h"

#include <cmath>

namespace {

using F = CylinderSolver::Field;
using Angles::pi;

#define TR(text) QT_TRANSLATE_NOOP("Polymetra", text)

// Wide, so that a radius squared that underflows still counts against a long height.
double surfaceOf(WorkingRecorder& w, double r, double h)
{
    return w.step(F::Surface, "S", TR("2·π·{r}·{h} + 2·π·{r}²"), {{"r", r}, {"h", h}},
                  (WideNumber(r) * (2 * pi) * h + WideNumber(2 * pi) * r * r).value());
}

Solution solved(WorkingRecorder& w, double r, double h, double volume, double surface,
                std::initializer_list<int> given)
{
    Solution solution = markedSolution({r, h, volume, surface}, given);
    solution.steps = w.take();
    return solution;
}

} // namespace

SolveOutcome CylinderSolver::solve(double h, double volume, double r, double surface)
{
    // Zero means not entered; a value that is not a number counts as entered.
    WorkingRecorder w;
    if (r != 0.0 && h != 0.0) {
        const double v =
            w.step(F::Volume, "V", TR("π·{r}²·{h}"), {{"r", r}, {"h", h}}, h * r * r * pi);
        return solved(w, r, h, v, surfaceOf(w, r, h), {F::Radius, F::Height});
    }
    if (volume != 0.0 && r != 0.0) {
        const double height = w.step(F::Height, "h", TR("{V}/(π·{r}²)"), {{"V", volume}, {"r", r}},
                                     (volume / (WideNumber(r) * pi * r)).value());
        return solved(w, r, height, volume, surfaceOf(w, r, height), {F::Volume, F::Radius});
    }
    if (surface != 0.0 && r != 0.0) {
        // Both bases must leave some area for the side.
        const double bases = r * ((pi + pi) * r);
        if (!(bases < surface))
            return Refusal{
                baseAreasMessage, bases,
                WorkingStep{-1,
                            "",
                            TR("2·π·{r}² = {B} ≥ {S}: the two bases leave no area for the side"),
                            {{"r", r}, {"B", bases}, {"S", surface}}}};
        const double height =
            w.step(F::Height, "h", TR("({S} − 2·π·{r}²)/(2·π·{r})"), {{"S", surface}, {"r", r}},
                   (pi * -2 * r * r + surface) / ((pi + pi) * r));
        const double v = w.step(F::Volume, "V", TR("π·{r}²·{h}"), {{"r", r}, {"h", height}},
                                (WideNumber(pi) * r * r * height).value());
        return solved(w, r, height, v, surface, {F::Surface, F::Radius});
    }
    if (volume != 0.0 && h != 0.0) {
        const double radius =
            w.step(F::Radius, "r", TR("√({V}/(π·{h}))"), {{"V", volume}, {"h", h}},
                   sqrt(volume / (WideNumber(h) * pi)).value());
        return solved(w, radius, h, volume, surfaceOf(w, radius, h), {F::Volume, F::Height});
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
