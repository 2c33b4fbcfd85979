#include "shapes2d/RectangleSolver.h"

namespace {

using Field = RectangleSolver::Field;

Solution solved(Field first, Field second, double a, double b, double area, double perimeter)
{
    Solution solution{{a, b, area, perimeter},
                      std::vector<bool>(RectangleSolver::FieldCount, false)};
    solution.given[first] = true;
    solution.given[second] = true;
    return solution;
}

} // namespace

SolveOutcome RectangleSolver::solve(double area, double a, double b, double perimeter)
{
    // Each test is exact; a value that is not a number counts as entered.
    if (a != 0.0) {
        if (b != 0.0)
            return solved(SideA, SideB, a, b, a * b, 2 * a + 2 * b);
        if (area != 0.0) {
            const double side = area / a;
            return solved(SideA, Area, a, side, area, 2 * a + 2 * side);
        }
        if (perimeter != 0.0) {
            // Written so that an unordered comparison (not a number) refuses too.
            if (!(perimeter > 2 * a))
                return Refusal{perimeterSideAMessage, 2 * a};
            const double side = (-2 * a + perimeter) * 0.5;
            return solved(SideA, Perimeter, a, side, side * a, perimeter);
        }
        return Refusal{};
    }
    if (b != 0.0) {
        if (area != 0.0) {
            const double side = area / b;
            return solved(SideB, Area, side, b, area, 2 * side + 2 * b);
        }
        if (perimeter != 0.0) {
            if (!(perimeter > 2 * b))
                return Refusal{perimeterSideBMessage, 2 * b};
            const double side = (-2 * b + perimeter) * 0.5;
            return solved(SideB, Perimeter, side, b, side * b, perimeter);
        }
    }
    return Refusal{};
}

namespace {

SolveOutcome solveFields(const std::vector<double>& values)
{
    return RectangleSolver::solve(values[RectangleSolver::Area], values[RectangleSolver::SideA],
                                  values[RectangleSolver::SideB],
                                  values[RectangleSolver::Perimeter]);
}

} // namespace

const ShapeFieldTable& RectangleSolver::fieldTable()
{
    static const ShapeFieldTable table{
        QT_TRANSLATE_NOOP("Polymetra", "Rectangle"),
        ShapeDimension::Plane,
        {
            {"sideATextField", QT_TRANSLATE_NOOP("Polymetra", "Side a:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide a: ")},
            {"sideBTextField", QT_TRANSLATE_NOOP("Polymetra", "Side b:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide b: ")},
            {"areaTextField", QT_TRANSLATE_NOOP("Polymetra", "Area:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nArea: ")},
            {"circumferenceTextField", QT_TRANSLATE_NOOP("Polymetra", "Perimeter:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nPerimeter: ")},
        },
        &solveFields,
    };
    return table;
}
