#include "shapes2d/CircleSolver.h"

#include "core/Angles.h"
#include "core/WideNumber.h"

#include <cmath>

namespace {

using Angles::pi;

Solution solved(CircleSolver::Field marked, double radius, double diameter, double area,
                double circumference)
{
    Solution solution{{radius, diameter, area, circumference},
                      std::vector<bool>(CircleSolver::FieldCount, false)};
    solution.given[marked] = true;
    return solution;
}

} // namespace

SolveOutcome CircleSolver::solve(double area, double radius, double diameter, double circumference)
{
    // Each test is exact; a value that is not a number counts as entered.
    if (radius != 0.0)
        return solved(Radius, radius, radius + radius, pi * radius * radius, (pi + pi) * radius);
    if (diameter != 0.0) {
        const double r = 0.5 * diameter;
        return solved(Diameter, r, diameter, r * (pi * r), (pi + pi) * r);
    }
    if (area != 0.0) {
        // Wide, the quotient of an area near the smallest number keeps its digits.
        const double r = sqrt(WideNumber(area) / pi).value();
        return solved(Area, r, r + r, area, (pi + pi) * r);
    }
    if (circumference != 0.0) {
        const double r = circumference / (pi + pi);
        return solved(Circumference, r, r + r, r * (pi * r), circumference);
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
