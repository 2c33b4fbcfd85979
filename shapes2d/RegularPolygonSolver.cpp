#include "shapes2d/RegularPolygonSolver.h"

#include "core/Angles.h"
#include "core/TypingFilter.h"
#include "core/WideNumber.h"

#include <cmath>

namespace {

using Field = RegularPolygonSolver::Field;
using Angles::pi;

bool given(double value)
{
    return value != 0.0; // exact; not a number counts as given
}

// The index of a measure in either set: side, radius a, radius b, angle, area, perimeter.
enum Measure { SideM, RadiusAM, RadiusBM, AngleM, AreaM, PerimeterM };

struct Regular {
    double values[RegularPolygonSolver::measureCount];
};

#define TR(text) QT_TRANSLATE_NOOP("Polymetra", text)

// Every measure of the polygon with n sides and half-angle theta (radians) from one given
// measure, each recorded as a step on the fields of the set it was given in. Each
// formula's order of operations is deliberate: rearranged, it would round differently and
// change the last digits shown in the fields and written to the tape.
Regular regular(double n, double theta, Measure from, double value, const Field (&set)[6],
                WorkingRecorder& w)
{
    double s = 0, R = 0, r = 0, A = 0, P = 0;
    const auto radii = [&] {
        R = w.step(set[RadiusAM], "R", TR("{s}/(2·sin(180°/{n}))"), {{"s", s}, {"n", n}},
                   s / (2 * std::sin(theta)));
        r = w.step(set[RadiusBM], "r", TR("{s}/(2·tan(180°/{n}))"), {{"s", s}, {"n", n}},
                   s / (2 * std::tan(theta)));
    };
    const auto area = [&] {
        A = w.step(set[AreaM], "A", TR("tan(180°/{n})·{n}·{r}²"), {{"n", n}, {"r", r}},
                   std::tan(theta) * n * r * r);
    };
    const auto perimeter = [&] {
        P = w.step(set[PerimeterM], "P", TR("{n}·{s}"), {{"n", n}, {"s", s}}, n * s);
    };
    switch (from) {
    case SideM:
        s = value;
        radii();
        area();
        perimeter();
        break;
    case RadiusAM:
        R = value;
        s = w.step(set[SideM], "s", TR("2·{R}·sin(180°/{n})"), {{"R", R}, {"n", n}},
                   2 * R * std::sin(theta));
        r = w.step(set[RadiusBM], "r", TR("{s}/(2·tan(180°/{n}))"), {{"s", s}, {"n", n}},
                   s / (2 * std::tan(theta)));
        area();
        perimeter();
        break;
    case RadiusBM:
        r = value;
        s = w.step(set[SideM], "s", TR("2·{r}·tan(180°/{n})"), {{"r", r}, {"n", n}},
                   2 * r * std::tan(theta));
        R = w.step(set[RadiusAM], "R", TR("{s}/(2·sin(180°/{n}))"), {{"s", s}, {"n", n}},
                   s / (2 * std::sin(theta)));
        area();
        perimeter();
        break;
    case AreaM:
        A = value;
        // Wide: a small area shared among very many sides falls below the smallest number.
        r = w.step(set[RadiusBM], "r", TR("√({A}/{n}/tan(180°/{n}))"), {{"A", A}, {"n", n}},
                   sqrt(WideNumber(A) / n / std::tan(theta)).value());
        s = w.step(set[SideM], "s", TR("tan(180°/{n})·2·{r}"), {{"n", n}, {"r", r}},
                   std::tan(theta) * 2 * r);
        R = w.step(set[RadiusAM], "R", TR("{s}/(2·sin(180°/{n}))"), {{"s", s}, {"n", n}},
                   s / (2 * std::sin(theta)));
        perimeter();
        break;
    default:
        P = value;
        s = w.step(set[SideM], "s", TR("{P}/{n}"), {{"P", P}, {"n", n}}, P / n);
        radii();
        area();
        break;
    }
    const double angle =
        w.step(set[AngleM], "α", TR("({n} − 2)/{n}·180°"), {{"n", n}}, ((n - 2) / n) * 180);
    return {{s, R, r, angle, A, P}};
}

// A count shown as its number only where it is one: "nan" or "inf" is never shown.
Refusal tooFewSides(double entered)
{
    if (!std::isfinite(entered))
        return Refusal{
            RegularPolygonSolver::tooFewSidesMessage, std::nullopt,
            WorkingStep{
                -1, "", TR("A regular polygon has a whole number of sides, 3 or more"), {}}};
    return Refusal{
        RegularPolygonSolver::tooFewSidesMessage, std::nullopt,
        WorkingStep{-1,
                    "",
                    TR("n = {n}: a regular polygon has a whole number of sides, 3 or more"),
                    {{"n", entered}}}};
}

// The first entered measure among side, radius a, radius b, area, perimeter of a set.
std::optional<Measure> firstEntered(const std::vector<double>& in, const Field (&set)[6])
{
    for (Measure m : {SideM, RadiusAM, RadiusBM, AreaM, PerimeterM}) {
        if (given(in[set[m]]))
            return m;
    }
    return std::nullopt;
}

} // namespace

std::optional<quint64> RegularPolygonSolver::wholeSides(double entered)
{
    // 2^64: the first value an unsigned 64-bit count cannot hold.
    constexpr double countLimit = 18446744073709551616.0;
    if (!(entered >= 3 && entered < countLimit))
        return std::nullopt;
    return quint64(entered);
}

SolveOutcome RegularPolygonSolver::solve(const std::vector<double>& in)
{
    const double enteredSides = in[Sides];
    const std::optional<quint64> n = wholeSides(enteredSides);
    // A count that truncates to 0 is not entered; a negative or non-finite one is.
    const bool sidesEntered = !(enteredSides >= 0 && enteredSides < 1);
    const std::optional<Measure> tableMeasure = firstEntered(in, tableMeasures);
    bool graphicEntered = false;
    for (Field f : graphicMeasures)
        graphicEntered = graphicEntered || given(in[f]);

    if (!sidesEntered && !tableMeasure && !given(in[TableAngle]) && !graphicEntered)
        return Refusal{};
    if (!n && !graphicEntered)
        return tooFewSides(enteredSides);
    // A count below 3 beside a table measure would solve a degenerate figure.
    if (!n && sidesEntered && tableMeasure)
        return tooFewSides(enteredSides);

    Solution solution{std::vector<double>(FieldCount, 0.0), std::vector<bool>(FieldCount, false)};
    WorkingRecorder w;
    Regular polygon;
    double count = 5.0;
    if (n && tableMeasure) {
        count = double(*n);
        const double theta = (180 / count) * (pi / 180);
        const Field from = tableMeasures[*tableMeasure];
        polygon = regular(count, theta, *tableMeasure, in[from], tableMeasures, w);
        solution.given[Sides] = solution.given[from] = true;
    } else {
        const std::optional<Measure> graphicMeasure = firstEntered(in, graphicMeasures);
        if (!graphicMeasure)
            return Refusal{};
        const Field from = graphicMeasures[*graphicMeasure];
        polygon = regular(5.0, (pi / 180) * 36, *graphicMeasure, in[from], graphicMeasures, w);
        solution.given[from] = true;
    }

    solution.values[Sides] = count;
    for (int m = 0; m < measureCount; ++m) {
        solution.values[tableMeasures[m]] = polygon.values[m];
        solution.values[graphicMeasures[m]] = polygon.values[m];
    }
    // The given value goes on as entered.
    for (int f = 0; f < FieldCount; ++f) {
        if (f != Sides && solution.given[size_t(f)])
            solution.values[size_t(f)] = in[size_t(f)];
    }
    solution.steps = w.take();
    return solution;
}

namespace {

constexpr const char* sideLabel = QT_TRANSLATE_NOOP("Polymetra", "Side:");
constexpr const char* radiusALabel = QT_TRANSLATE_NOOP("Polymetra", "Radius a:");
constexpr const char* radiusBLabel = QT_TRANSLATE_NOOP("Polymetra", "Radius b:");
constexpr const char* angleLabel = QT_TRANSLATE_NOOP("Polymetra", "Angle:");
constexpr const char* areaLabel = QT_TRANSLATE_NOOP("Polymetra", "Area:");
constexpr const char* perimeterLabel = QT_TRANSLATE_NOOP("Polymetra", "Perimeter:");

constexpr const char* sideTape = QT_TRANSLATE_NOOP("Polymetra", "\nSide: ");
constexpr const char* radiusATape = QT_TRANSLATE_NOOP("Polymetra", "\nRadius a: ");
constexpr const char* radiusBTape = QT_TRANSLATE_NOOP("Polymetra", "\nRadius b: ");
constexpr const char* angleTape = QT_TRANSLATE_NOOP("Polymetra", "\nAngle: ");
constexpr const char* areaTape = QT_TRANSLATE_NOOP("Polymetra", "\nArea: ");
constexpr const char* perimeterTape = QT_TRANSLATE_NOOP("Polymetra", "\nPerimeter: ");

using Role = FieldRole;

} // namespace

const ShapeFieldTable& RegularPolygonSolver::fieldTable()
{
    static const ShapeFieldTable table{
        QT_TRANSLATE_NOOP("Polymetra", "Regular Polygon"),
        ShapeDimension::Plane,
        {
            {"xsidesNTextField", QT_TRANSLATE_NOOP("Polymetra", "Number of sides:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nNumber of Sides: "), Role::Input,
             TypingFilter::wholeNumberTag},
            {"xsideTextField", sideLabel, sideTape},
            {"xradiusATextField", radiusALabel, radiusATape},
            {"xradiusBTextField", radiusBLabel, radiusBTape},
            {"xangleTextField", angleLabel, angleTape, Role::OutputOnly},
            {"xareaTextField", areaLabel, areaTape},
            {"xcircumferenceTextField", perimeterLabel, perimeterTape},
            {"xnameTextField", QT_TRANSLATE_NOOP("Polymetra", "Name:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nName: "), Role::OutputOnly},
            {"sideTextField", sideLabel, sideTape},
            {"radiusATextField", radiusALabel, radiusATape},
            {"radiusBTextField", radiusBLabel, radiusBTape},
            {"angleTextField", angleLabel, angleTape, Role::OutputOnly},
            {"areaTextField", areaLabel, areaTape},
            {"circumferenceTextField", perimeterLabel, perimeterTape},
        },
        &RegularPolygonSolver::solve,
    };
    return table;
}
