#include "shapes2d/ParallelogramSolver.h"

#include "core/Angles.h"
#include "core/WideNumber.h"

#include <array>
#include <cmath>

namespace {

using Field = ParallelogramSolver::Field;
#define TR(text) QT_TRANSLATE_NOOP("Polymetra", text)

constexpr const char* symbols[ParallelogramSolver::FieldCount] = {"a", "b", "A", "B",
                                                                  "h", "S", "P"};

WorkingBinding bind(const char* placeholder, Field field, double value)
{
    return {placeholder, value, symbols[field]};
}

// A case: one side, one angle and a third quantity, all three given.
struct Case {
    Field side;
    Field angle;
    Field third;
};

// In precedence. Angle A wins over angle B except with side b and the area.
constexpr std::array<Case, 12> cases{{
    {Field::SideA, Field::AngleA, Field::SideB},
    {Field::SideA, Field::AngleB, Field::SideB},
    {Field::SideA, Field::AngleA, Field::Height},
    {Field::SideA, Field::AngleB, Field::Height},
    {Field::SideA, Field::AngleA, Field::Area},
    {Field::SideA, Field::AngleB, Field::Area},
    {Field::SideB, Field::AngleB, Field::Area},
    {Field::SideB, Field::AngleA, Field::Area},
    {Field::SideA, Field::AngleA, Field::Perimeter},
    {Field::SideA, Field::AngleB, Field::Perimeter},
    {Field::SideB, Field::AngleA, Field::Perimeter},
    {Field::SideB, Field::AngleB, Field::Perimeter},
}};

bool given(double value)
{
    return value != 0.0; // exact; not a number counts as given
}

const char* caseName(Field third)
{
    switch (third) {
    case Field::SideB:
        return TR("two sides and an angle");
    case Field::Height:
        return TR("a side, an angle and the height");
    case Field::Area:
        return TR("a side, an angle and the area");
    default:
        break;
    }
    return TR("a side, an angle and the perimeter");
}

} // namespace

SolveOutcome ParallelogramSolver::solve(const std::vector<double>& in)
{
    // The perimeter is no part of this test: alone it is refused below all the same.
    bool anything = false;
    for (Field f : {SideA, SideB, AngleA, AngleB, Area, Height})
        anything = anything || given(in[f]);
    if (!anything)
        return Refusal{};
    for (Field angle : {AngleA, AngleB}) {
        if (in[angle] >= 180)
            return Refusal{
                angleMessage, std::nullopt,
                WorkingStep{-1,
                            "",
                            TR("{X°} ≥ 180°: an angle of a parallelogram is less than 180°"),
                            {bind("X", angle, in[angle])}}};
    }

    for (const Case& c : cases) {
        if (!given(in[c.side]) || !given(in[c.angle]) || !given(in[c.third]))
            continue;
        std::vector<double> v = in;
        WorkingRecorder w;
        // Wide, so that the sine of a tiny angle does not vanish.
        const WideNumber sine = Angles::sinDegrees<WideNumber>(v[c.angle]);
        const Field otherAngle = c.angle == AngleA ? AngleB : AngleA;
        const WorkingBinding angle = bind("X", c.angle, v[c.angle]);
        v[otherAngle] =
            w.step(otherAngle, symbols[otherAngle], TR("180° − {X°}"), {angle}, 180 - v[c.angle]);
        const Field otherSide = c.side == SideA ? SideB : SideA;
        // Wide, the area of long sides at a thin angle, or of short ones, does not overflow
        // or underflow on the way to the other side or the height.
        WideNumber area = v[Area];
        switch (c.third) {
        case SideB:
            area = WideNumber(v[SideA]) * v[SideB] * sine;
            break;
        case Height:
            area = WideNumber(v[SideA]) * v[Height];
            v[SideB] = w.step(SideB, "b", TR("{a}·{h}/(sin {X°}·{a})"),
                              {{"a", v[SideA]}, {"h", v[Height]}, angle},
                              (area / (sine * v[SideA])).value());
            break;
        case Area:
            v[otherSide] = w.step(otherSide, symbols[otherSide], TR("{S}/(sin {X°}·{x})"),
                                  {{"S", v[Area]}, angle, bind("x", c.side, v[c.side])},
                                  (area / (sine * v[c.side])).value());
            break;
        case Perimeter: {
            const double bound = 2 * v[c.side];
            const double rest = (v[Perimeter] - bound) * 0.5;
            // Written so that an unordered comparison (not a number) refuses too. An excess
            // over the bound whose half is too small for a double leaves no other side.
            if (!(v[Perimeter] > bound) || rest == 0)
                return Refusal{
                    c.side == SideA ? perimeterSideAMessage : perimeterSideBMessage, bound,
                    WorkingStep{-1,
                                "",
                                TR("{P} ≤ 2·{x}: the perimeter must be longer than two sides"),
                                {{"P", v[Perimeter]}, bind("x", c.side, v[c.side])}}};
            v[otherSide] = w.step(otherSide, symbols[otherSide], TR("({P} − 2·{x})/2"),
                                  {{"P", v[Perimeter]}, bind("x", c.side, v[c.side])}, rest);
            area = WideNumber(v[SideA]) * v[SideB] * sine;
            break;
        }
        default:
            break;
        }
        const std::vector<WorkingBinding> sides{{"a", v[SideA]}, {"b", v[SideB]}, angle};
        if (c.third == Height)
            v[Area] =
                w.step(Area, "S", TR("{a}·{h}"), {{"a", v[SideA]}, {"h", v[Height]}}, area.value());
        else if (c.third != Area)
            v[Area] = w.step(Area, "S", TR("{a}·{b}·sin {X°}"), sides, area.value());
        // The height case keeps the entered height, as read.
        if (c.third != Height)
            v[Height] = w.step(Height, "h", TR("{S}/{a}"), {{"S", v[Area]}, {"a", v[SideA]}},
                               (area / v[SideA]).value());
        if (c.third != Perimeter)
            v[Perimeter] =
                w.step(Perimeter, "P", TR("2·{a} + 2·{b}"), sides, 2 * v[SideA] + 2 * v[SideB]);

        Solution solution{v, std::vector<bool>(FieldCount, false), w.take(), caseName(c.third)};
        solution.given[c.side] = solution.given[c.angle] = solution.given[c.third] = true;
        return solution;
    }
    return Refusal{};
}

const ShapeFieldTable& ParallelogramSolver::fieldTable()
{
    static const ShapeFieldTable table{
        QT_TRANSLATE_NOOP("Polymetra", "Parallelogram"),
        ShapeDimension::Plane,
        {
            {"sideATextField", QT_TRANSLATE_NOOP("Polymetra", "Side a:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide a: ")},
            {"sideBTextField", QT_TRANSLATE_NOOP("Polymetra", "Side b:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide b: ")},
            {"angleATextField", QT_TRANSLATE_NOOP("Polymetra", "Angle A:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nAngle a: ")},
            {"angleBTextField", QT_TRANSLATE_NOOP("Polymetra", "Angle B:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nAngle b: ")},
            {"yHeightTextField", QT_TRANSLATE_NOOP("Polymetra", "Height:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nHeight: ")},
            {"areaTextField", QT_TRANSLATE_NOOP("Polymetra", "Area:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nArea: ")},
            {"circumferenceTextField", QT_TRANSLATE_NOOP("Polymetra", "Perimeter:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nPerimeter: ")},
        },
        &ParallelogramSolver::solve,
    };
    return table;
}
