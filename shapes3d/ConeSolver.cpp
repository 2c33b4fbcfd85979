#include "shapes3d/ConeSolver.h"

#include "core/Angles.h"
#include "core/WideNumber.h"
#include "shapes3d/MarkedSolution.h"

#include <cmath>

namespace {

using F = ConeSolver::Field;
using Angles::pi;
constexpr double third = 1.0 / 3.0;

// Lengths and volumes are multiplied wide throughout: a needle's radius squared may
// underflow, or its slant height squared overflow, while the cone itself fits.
#define TR(text) QT_TRANSLATE_NOOP("Polymetra", text)

double volumeOf(WorkingRecorder& w, double r, double h)
{
    return w.step(F::Volume, "V", TR("1/3·π·{r}²·{h}"), {{"r", r}, {"h", h}},
                  (WideNumber(pi * third) * r * r * h).value());
}

// The surface is lateral area plus base, whichever lengths were given.
Solution solved(WorkingRecorder& w, double r, double h, double s, double volume,
                std::initializer_list<int> given)
{
    const double surface = w.step(F::Surface, "S", TR("π·{r}·{s} + π·{r}²"), {{"r", r}, {"s", s}},
                                  (WideNumber(pi) * r * s + WideNumber(pi) * r * r).value());
    Solution solution = markedSolution({r, h, s, volume, surface}, given);
    solution.steps = w.take();
    return solution;
}

// The slant height from radius and height, the hypotenuse of their right triangle.
double slantOf(WorkingRecorder& w, double r, double h)
{
    return w.step(F::SlantHeight, "s", TR("√({h}² + {r}²)"), {{"h", h}, {"r", r}},
                  sqrt(WideNumber(h) * h + WideNumber(r) * r).value());
}

double leg(double hypotenuse, double other)
{
    return sqrt(WideNumber(hypotenuse) * hypotenuse - WideNumber(other) * other).value();
}

} // namespace

SolveOutcome ConeSolver::solve(double s, double h, double r, double volume)
{
    // Zero means not entered; a value that is not a number counts as entered.
    WorkingRecorder w;
    if (r != 0.0 && h != 0.0) {
        const double slant = slantOf(w, r, h);
        return solved(w, r, h, slant, volumeOf(w, r, h), {F::Radius, F::Height});
    }
    if (r != 0.0 && s != 0.0) {
        if (s <= r)
            return Refusal{
                slantNotOverRadiusMessage, r,
                WorkingStep{-1,
                            "",
                            TR("{s} ≤ {r}: the slant height must be longer than the radius"),
                            {{"s", s}, {"r", r}}}};
        const double height =
            w.step(F::Height, "h", TR("√({s}² − {r}²)"), {{"s", s}, {"r", r}}, leg(s, r));
        return solved(w, r, height, s, volumeOf(w, r, height), {F::Radius, F::SlantHeight});
    }
    if (r == 0.0 && s != 0.0 && h != 0.0) {
        if (s <= h)
            return Refusal{
                slantNotOverHeightMessage, h,
                WorkingStep{-1,
                            "",
                            TR("{s} ≤ {h}: the slant height must be longer than the height"),
                            {{"s", s}, {"h", h}}}};
        const double radius =
            w.step(F::Radius, "r", TR("√({s}² − {h}²)"), {{"s", s}, {"h", h}}, leg(s, h));
        return solved(w, radius, h, s, volumeOf(w, radius, h), {F::SlantHeight, F::Height});
    }
    if (r != 0.0 && volume != 0.0) {
        const double height =
            w.step(F::Height, "h", TR("3·{V}/(π·{r}²)"), {{"V", volume}, {"r", r}},
                   (volume / (WideNumber(pi * third) * r * r)).value());
        return solved(w, r, height, slantOf(w, r, height), volume, {F::Radius, F::Volume});
    }
    if (r == 0.0 && s == 0.0 && h != 0.0 && volume != 0.0) {
        const double radius =
            w.step(F::Radius, "r", TR("√(3·{V}/(π·{h}))"), {{"V", volume}, {"h", h}},
                   sqrt(volume / (WideNumber(pi * third) * h)).value());
        return solved(w, radius, h, slantOf(w, radius, h), volume, {F::Height, F::Volume});
    }
    return Refusal{};
}

namespace {

SolveOutcome solveFields(const std::vector<double>& values)
{
    // A surface typed into the output-only field is never read.
    return ConeSolver::solve(values[ConeSolver::SlantHeight], values[ConeSolver::Height],
                             values[ConeSolver::Radius], values[ConeSolver::Volume]);
}

} // namespace

const ShapeFieldTable& ConeSolver::fieldTable()
{
    using Role = FieldRole;
    static const ShapeFieldTable table{
        QT_TRANSLATE_NOOP("Polymetra", "Cone"),
        ShapeDimension::Solid,
        {
            {"radiusTextField", QT_TRANSLATE_NOOP("Polymetra", "Radius:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nRadius: ")},
            {"HeigthHTextField", QT_TRANSLATE_NOOP("Polymetra", "Height:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nHeight: ")},
            {"slantHeightTextField", QT_TRANSLATE_NOOP("Polymetra", "Slant Height:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSlant Height: ")},
            {"volumeTextField", QT_TRANSLATE_NOOP("Polymetra", "Volume:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nVolume: ")},
            {"SurfaceTextField", QT_TRANSLATE_NOOP("Polymetra", "Surface:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSurface: "), Role::OutputOnly},
        },
        &solveFields,
    };
    return table;
}
