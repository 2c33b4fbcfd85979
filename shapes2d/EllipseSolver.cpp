#include "shapes2d/EllipseSolver.h"

#include "core/Angles.h"
#include "core/WideNumber.h"

#include <cmath>

namespace {

using Angles::pi;
using Field = EllipseSolver::Field;
#define TR(text) QT_TRANSLATE_NOOP("Polymetra", text)

// The circumference is the usual approximation by the mean square radius.
Solution solved(Field first, Field second, double a, double b, double area, WorkingRecorder& w)
{
    const double c = w.step(EllipseSolver::Circumference, "C", TR("2·π·√(({a}² + {b}²)/2)"),
                            {{"a", a}, {"b", b}}, EllipseSolver::circumference(a, b));
    Solution solution{
        {a, b, area, c}, std::vector<bool>(EllipseSolver::FieldCount, false), w.take()};
    solution.given[first] = true;
    solution.given[second] = true;
    return solution;
}

} // namespace

double EllipseSolver::circumference(double a, double b)
{
    // Wide, the squares of radii beyond the square root of the largest number still add up.
    return (sqrt((WideNumber(a) * a + WideNumber(b) * b) * 0.5) * (pi + pi)).value();
}

SolveOutcome EllipseSolver::solve(double area, double a, double b)
{
    // Each test is exact; a value that is not a number counts as entered.
    WorkingRecorder w;
    if (a == 0.0) {
        if (area != 0.0 && b != 0.0) {
            const double r =
                w.step(RadiusA, "a", TR("{S}/(π·{b})"), {{"S", area}, {"b", b}}, area / (b * pi));
            return solved(RadiusB, Area, r, b, area, w);
        }
        return Refusal{};
    }
    if (b != 0.0) {
        const double s = w.step(Area, "S", TR("π·{a}·{b}"), {{"a", a}, {"b", b}}, b * (a * pi));
        return solved(RadiusA, RadiusB, a, b, s, w);
    }
    if (area != 0.0) {
        const double r =
            w.step(RadiusB, "b", TR("{S}/(π·{a})"), {{"S", area}, {"a", a}}, area / (a * pi));
        return solved(RadiusA, Area, a, r, area, w);
    }
    return Refusal{};
}

namespace {

SolveOutcome solveFields(const std::vector<double>& values)
{
    return EllipseSolver::solve(values[EllipseSolver::Area], values[EllipseSolver::RadiusA],
                                values[EllipseSolver::RadiusB]);
}

} // namespace

const ShapeFieldTable& EllipseSolver::fieldTable()
{
    using Role = FieldRole;
    static const ShapeFieldTable table{
        QT_TRANSLATE_NOOP("Polymetra", "Ellipse"),
        ShapeDimension::Plane,
        {
            {"RadiusATextField", QT_TRANSLATE_NOOP("Polymetra", "Radius a:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nRadius a: ")},
            {"RadiusBTextField", QT_TRANSLATE_NOOP("Polymetra", "Radius b:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nRadius b: ")},
            {"areaTextField", QT_TRANSLATE_NOOP("Polymetra", "Area:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nArea: ")},
            {"circumferenceTextField", QT_TRANSLATE_NOOP("Polymetra", "Circumference:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nCircumference: "), Role::OutputOnly},
        },
        &solveFields,
    };
    return table;
}
