#include "shapes2d/SquareSolver.h"

#include <cmath>

namespace {

Solution solved(SquareSolver::Field marked, double side, double area, double perimeter)
{
    Solution solution{{side, area, perimeter}, std::vector<bool>(SquareSolver::FieldCount, false)};
    solution.given[marked] = true;
    return solution;
}

} // namespace

SolveOutcome SquareSolver::solve(double area, double side, double perimeter)
{
    // Each test is exact; a value that is not a number counts as entered. No sign check:
    // a negative area gives a side that is not a number, shown as such.
    if (side != 0.0)
        return solved(Side, side, side * side, 4 * side);
    if (area != 0.0) {
        const double a = std::sqrt(area);
        return solved(Area, a, area, 4 * a);
    }
    if (perimeter != 0.0) {
        const double a = 0.25 * perimeter;
        return solved(Perimeter, a, a * a, perimeter);
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
