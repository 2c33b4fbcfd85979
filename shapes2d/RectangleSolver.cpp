#include "shapes2d/RectangleSolver.h"

namespace {

using Field = RectangleSolver::Field;
#define TR(text) QT_TRANSLATE_NOOP("Polymetra", text)

Solution solved(Field first, Field second, double a, double b, double area, double perimeter,
                WorkingRecorder& working)
{
    Solution solution{{a, b, area, perimeter},
                      std::vector<bool>(RectangleSolver::FieldCount, false),
                      working.take()};
    solution.given[first] = true;
    solution.given[second] = true;
    return solution;
}

} // namespace

SolveOutcome RectangleSolver::solve(double area, double a, double b, double perimeter)
{
    // Each test is exact; a value that is not a number counts as entered.
    WorkingRecorder w;
    const auto areaOf = [&w](double x, double y) {
        return w.step(Area, "S", TR("{a}·{b}"), {{"a", x}, {"b", y}}, x * y);
    };
    const auto perimeterOf = [&w](double x, double y) {
        return w.step(Perimeter, "P", TR("2·{a} + 2·{b}"), {{"a", x}, {"b", y}}, 2 * x + 2 * y);
    };
    // Written so that an unordered comparison (not a number) refuses too.
    const auto tooShort = [](double perimeter, double side, const char* message) {
        return Refusal{message, 2 * side,
                       WorkingStep{-1,
                                   "",
                                   TR("{P} ≤ 2·{x}: the perimeter must be longer than two sides"),
                                   {{"P", perimeter}, {"x", side}}}};
    };
    if (a != 0.0) {
        if (b != 0.0) {
            const double s = areaOf(a, b);
            return solved(SideA, SideB, a, b, s, perimeterOf(a, b), w);
        }
        if (area != 0.0) {
            const double side =
                w.step(SideB, "b", TR("{S}/{a}"), {{"S", area}, {"a", a}}, area / a);
            return solved(SideA, Area, a, side, area, perimeterOf(a, side), w);
        }
        if (perimeter != 0.0) {
            if (!(perimeter > 2 * a))
                return tooShort(perimeter, a, perimeterSideAMessage);
            const double side = w.step(SideB, "b", TR("({P} − 2·{a})/2"),
                                       {{"P", perimeter}, {"a", a}}, (-2 * a + perimeter) * 0.5);
            return solved(SideA, Perimeter, a, side, areaOf(side, a), perimeter, w);
        }
        return Refusal{};
    }
    if (b != 0.0) {
        if (area != 0.0) {
            const double side =
                w.step(SideA, "a", TR("{S}/{b}"), {{"S", area}, {"b", b}}, area / b);
            return solved(SideB, Area, side, b, area, perimeterOf(side, b), w);
        }
        if (perimeter != 0.0) {
            if (!(perimeter > 2 * b))
                return tooShort(perimeter, b, perimeterSideBMessage);
            const double side = w.step(SideA, "a", TR("({P} − 2·{b})/2"),
                                       {{"P", perimeter}, {"b", b}}, (-2 * b + perimeter) * 0.5);
            return solved(SideB, Perimeter, side, b, areaOf(side, b), perimeter, w);
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
