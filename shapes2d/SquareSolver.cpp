#include "shapes2d/SquareSolver.h"

#include <cmath>

namespace {

using F = SquareSolver::Field;
#define TR(text) QT_TRANSLATE_NOOP("Polymetra", text)

Solution solved(F marked, double side, double area, double perimeter, WorkingRecorder& working)
{
    Solution solution{{side, area, perimeter},
                      std::vector<bool>(SquareSolver::FieldCount, false),
                      working.take()};
    solution.given[marked] = true;
    return solution;
}

} // namespace

SolveOutcome SquareSolver::solve(double area, double side, double perimeter)
{
    // Each test is exact; a value that is not a number counts as entered. No sign check:
    // a negative area gives a side that is not a number, shown as such.
    WorkingRecorder w;
    const auto squared = [&w](double a) {
        return w.step(F::Area, "S", TR("{a}²"), {{"a", a}}, a * a);
    };
    const auto around = [&w](double a) {
        return w.step(F::Perimeter, "P", TR("4·{a}"), {{"a", a}}, 4 * a);
    };
    if (side != 0.0) {
        const double s = squared(side);
        return solved(Side, side, s, around(side), w);
    }
    if (area != 0.0) {
        const double a = w.step(F::Side, "a", TR("√{S}"), {{"S", area}}, std::sqrt(area));
        return solved(Area, a, area, around(a), w);
    }
    if (perimeter != 0.0) {
        const double a = w.step(F::Side, "a", TR("{P}/4"), {{"P", perimeter}}, 0.25 * perimeter);
        return solved(Perimeter, a, squared(a), perimeter, w);
    }
    return Refusal{};
}

namespace {

SolveOutcome solveFields(const std::vector<double>& values)
{
    return SquareSolver::solve(values[SquareSolver::Area], values[SquareSolver::Side],
                               values[SquareSolver::Perimeter]);
}

} // namespace

const ShapeFieldTable& SquareSolver::fieldTable()
{
    static const ShapeFieldTable table{
        QT_TRANSLATE_NOOP("Polymetra", "Square"),
        ShapeDimension::Plane,
        {
            {"sideATextField", QT_TRANSLATE_NOOP("Polymetra", "Side:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide: ")},
            {"areaTextField", QT_TRANSLATE_NOOP("Polymetra", "Area:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nArea: ")},
            {"circumferenceTextField", QT_TRANSLATE_NOOP("Polymetra", "Perimeter:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nPerimeter: ")},
        },
        &solveFields,
    };
    return table;
}
