#include "shapes2d/CircleSolver.h"

#include "core/Angles.h"
#include "core/WideNumber.h"

#include <cmath>

namespace {

using Angles::pi;

using F = CircleSolver::Field;
#define TR(text) QT_TRANSLATE_NOOP("Polymetra", text)

Solution solved(F marked, double radius, double diameter, double area, double circumference,
                WorkingRecorder& working)
{
    Solution solution{{radius, diameter, area, circumference},
                      std::vector<bool>(CircleSolver::FieldCount, false),
                      working.take()};
    solution.given[marked] = true;
    return solution;
}

} // namespace

SolveOutcome CircleSolver::solve(double area, double radius, double diameter, double circumference)
{
    // Each test is exact; a value that is not a number counts as entered.
    WorkingRecorder w;
    const auto twoR = [&w](double r) {
        return w.step(F::Diameter, "d", TR("2·{r}"), {{"r", r}}, r + r);
    };
    const auto around = [&w](double r) {
        return w.step(F::Circumference, "C", TR("2·π·{r}"), {{"r", r}}, (pi + pi) * r);
    };
    if (radius != 0.0) {
        const double d = twoR(radius);
        const double s = w.step(F::Area, "S", TR("π·{r}²"), {{"r", radius}}, pi * radius * radius);
        return solved(Radius, radius, d, s, around(radius), w);
    }
    if (diameter != 0.0) {
        const double r = w.step(F::Radius, "r", TR("{d}/2"), {{"d", diameter}}, 0.5 * diameter);
        const double s = w.step(F::Area, "S", TR("π·{r}²"), {{"r", r}}, r * (pi * r));
        return solved(Diameter, r, diameter, s, around(r), w);
    }
    if (area != 0.0) {
        // Wide, the quotient of an area near the smallest number keeps its digits.
        const double r = w.step(F::Radius, "r", TR("√({S}/π)"), {{"S", area}},
                                sqrt(WideNumber(area) / pi).value());
        const double d = twoR(r);
        return solved(Area, r, d, area, around(r), w);
    }
    if (circumference != 0.0) {
        const double r = w.step(F::Radius, "r", TR("{C}/(2·π)"), {{"C", circumference}},
                                circumference / (pi + pi));
        const double d = twoR(r);
        const double s = w.step(F::Area, "S", TR("π·{r}²"), {{"r", r}}, r * (pi * r));
        return solved(Circumference, r, d, s, circumference, w);
    }
    return Refusal{};
}

namespace {

SolveOutcome solveFields(const std::vector<double>& values)
{
    return CircleSolver::solve(values[CircleSolver::Area], values[CircleSolver::Radius],
                               values[CircleSolver::Diameter], values[CircleSolver::Circumference]);
}

} // namespace

const ShapeFieldTable& CircleSolver::fieldTable()
{
    static const ShapeFieldTable table{
        QT_TRANSLATE_NOOP("Polymetra", "Circle"),
        ShapeDimension::Plane,
        {
            {"radiusTextField", QT_TRANSLATE_NOOP("Polymetra", "Radius:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nRadius: ")},
            {"diameterTextField", QT_TRANSLATE_NOOP("Polymetra", "Diameter:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nDiameter: ")},
            {"areaTextField", QT_TRANSLATE_NOOP("Polymetra", "Area:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nArea: ")},
            {"circumferenceTextField", QT_TRANSLATE_NOOP("Polymetra", "Circumference:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nCircumference: ")},
        },
        &solveFields,
    };
    return table;
}
