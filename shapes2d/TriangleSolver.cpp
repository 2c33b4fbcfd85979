#include "shapes2d/TriangleSolver.h"

#include "core/Angles.h"
#include "core/WideNumber.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {

using Field = TriangleSolver::Field;
#define TR(text) QT_TRANSLATE_NOOP("Polymetra", text)

// Each field's name in the formulas, indexed like the fields.
constexpr const char* symbols[TriangleSolver::FieldCount] = {"a", "b", "c", "A", "B",
                                                             "C", "h", "S", "P"};

// A binding of a formula's placeholder to a field: its value, shown under its own name.
WorkingBinding bind(const char* placeholder, Field field, double value)
{
    return {placeholder, value, symbols[field]};
}

enum class Kind {
    SideSideSide,
    AngleSideAngle, // two angles and any side
    SideAngleSide,  // two sides and the angle between them
    SideSideAngle,  // two sides and an angle facing one of them (the first side named)
    AreaSideAngle,  // the area, side a and an angle at one end of a
};

struct Case {
    Kind kind;
    std::array<Field, 3> given;
};

// In precedence; the first case whose three values are all given wins.
constexpr std::array<Case, 21> cases{{
    {Kind::SideSideSide, {Field::SideA, Field::SideB, Field::SideC}},
    {Kind::AngleSideAngle, {Field::AngleA, Field::AngleB, Field::SideB}},
    {Kind::AngleSideAngle, {Field::AngleA, Field::AngleC, Field::SideC}},
    {Kind::AngleSideAngle, {Field::AngleA, Field::AngleB, Field::SideA}},
    {Kind::AngleSideAngle, {Field::AngleB, Field::AngleC, Field::SideC}},
    {Kind::AngleSideAngle, {Field::AngleA, Field::AngleC, Field::SideA}},
    {Kind::AngleSideAngle, {Field::AngleB, Field::AngleC, Field::SideB}},
    {Kind::AngleSideAngle, {Field::AngleA, Field::AngleB, Field::SideC}},
    {Kind::AngleSideAngle, {Field::AngleA, Field::AngleC, Field::SideB}},
    {Kind::AngleSideAngle, {Field::AngleB, Field::AngleC, Field::SideA}},
    {Kind::SideAngleSide, {Field::SideB, Field::SideC, Field::AngleA}},
    {Kind::SideAngleSide, {Field::SideA, Field::SideC, Field::AngleB}},
    {Kind::SideAngleSide, {Field::SideA, Field::SideB, Field::AngleC}},
    {Kind::SideSideAngle, {Field::SideA, Field::SideB, Field::AngleA}},
    {Kind::SideSideAngle, {Field::SideA, Field::SideC, Field::AngleA}},
    {Kind::SideSideAngle, {Field::SideB, Field::SideA, Field::AngleB}},
    {Kind::SideSideAngle, {Field::SideB, Field::SideC, Field::AngleB}},
    {Kind::SideSideAngle, {Field::SideC, Field::SideB, Field::AngleC}},
    {Kind::SideSideAngle, {Field::SideC, Field::SideA, Field::AngleC}},
    {Kind::AreaSideAngle, {Field::Area, Field::SideA, Field::AngleB}},
    {Kind::AreaSideAngle, {Field::Area, Field::SideA, Field::AngleC}},
}};

// Sides and areas are computed wide: the squares and products of long sides overflow, those
// of short ones underflow, long before the triangle does, and so do the sines of tiny angles.
using Angles::cosDegrees;
using Angles::sinDegrees;

bool given(double value)
{
    return value != 0.0; // exact; not a number counts as given
}

const char* caseName(Kind kind)
{
    switch (kind) {
    case Kind::SideSideSide:
        return TR("three sides");
    case Kind::AngleSideAngle:
        return TR("two angles and a side");
    case Kind::SideAngleSide:
        return TR("two sides and the included angle");
    case Kind::SideSideAngle:
        return TR("two sides and an angle facing one of them");
    case Kind::AreaSideAngle:
        break;
    }
    return TR("the area, side a and an angle at one end of it");
}

// Rounding can carry a cosine or sine just past ±1 for a nearly flat triangle; the angle
// is then the nearest the formula resolves, not "not a number".
double acosDegrees(double cosine)
{
    return Angles::degrees(std::acos(std::clamp(cosine, -1.0, 1.0)));
}

double asinDegrees(double sine)
{
    return Angles::degrees(std::asin(std::clamp(sine, -1.0, 1.0)));
}

// The cosine of the angle facing side x in the triangle x, y, z, by the law of cosines.
WideNumber cosineFacing(WideNumber x, WideNumber y, WideNumber z)
{
    return (y * y + z * z - x * x) / (WideNumber(2) * y * z);
}

Field angleFacing(Field side)
{
    return Field(side + Field::AngleA);
}

Field sideFacing(Field angle)
{
    return Field(angle - Field::AngleA);
}

// The one of the three sides (or angles) that is neither x nor y.
Field third(Field x, Field y, Field first)
{
    for (int f = first; f < first + 3; ++f) {
        if (f != x && f != y)
            return Field(f);
    }
    return first;
}

// The sides, wide, indexed like their fields.
using Lengths = std::array<WideNumber, 3>;

const char* sideMessage(Field side)
{
    switch (side) {
    case Field::SideA:
        return TriangleSolver::sideAMessage;
    case Field::SideB:
        return TriangleSolver::sideBMessage;
    default:
        return TriangleSolver::sideCMessage;
    }
}

const char* lessThan90Message(Field angle)
{
    switch (angle) {
    case Field::AngleA:
        return TriangleSolver::angleALessThan90Message;
    case Field::AngleB:
        return TriangleSolver::angleBLessThan90Message;
    default:
        return TriangleSolver::angleCLessThan90Message;
    }
}

// The angle facing side x by the law of cosines.
double angleByCosines(WorkingRecorder& w, Field target, Field x, Field y, Field z, WideNumber xs,
                      WideNumber ys, WideNumber zs)
{
    return w.step(target, symbols[target], TR("acos(({y}² + {z}² − {x}²)/(2·{y}·{z}))"),
                  {bind("x", x, xs.value()), bind("y", y, ys.value()), bind("z", z, zs.value())},
                  acosDegrees(cosineFacing(xs, ys, zs).value()));
}

// The last angle by the angle sum, or, where rounding leaves the sum above 180 degrees, by
// its own law of cosines.
double lastAngle(WorkingRecorder& w, Field target, Field xAngle, Field yAngle, double x, double y,
                 WideNumber facing, WideNumber side1, WideNumber side2)
{
    const double z = 180 - (x + y);
    if (z < 0)
        return angleByCosines(w, target, sideFacing(target), sideFacing(xAngle), sideFacing(yAngle),
                              facing, side1, side2);
    return w.step(target, symbols[target], TR("180° − ({X°} + {Y°})"),
                  {bind("X", xAngle, x), bind("Y", yAngle, y)}, z);
}

// Two sides p, q and the angle x between them: the third side by the law of cosines,
// then the first unknown angle (in the order A, B, C) by its arccosine, the last by the
// angle sum. The arccosine keeps an obtuse angle obtuse.
void finishSideAngleSide(std::vector<double>& v, Lengths& side, Field p, Field q, Field x,
                         WorkingRecorder& w)
{
    const Field r = sideFacing(x);
    WideNumber rLength = sqrt(side[p] * side[p] + side[q] * side[q] -
                              WideNumber(2) * side[p] * side[q] * cosDegrees(v[x]));
    const char* formula = TR("√({p}² + {q}² − 2·{p}·{q}·cos {X°})");
    // Where cancellation leaves nothing of the square (two equal sides, a tiny angle), it
    // is (p − q)² + 4·p·q·sin²(x/2) instead, with sin(x/2) = sin x / (2·cos(x/2)).
    if (!rLength.isPositive()) {
        const WideNumber halfSine = sinDegrees<WideNumber>(v[x]) / (2 * cosDegrees(v[x] / 2));
        const WideNumber difference = side[p] - side[q];
        rLength =
            sqrt(difference * difference + WideNumber(4) * side[p] * side[q] * halfSine * halfSine);
        formula = TR("√(({p} − {q})² + 4·{p}·{q}·sin({X°}/2)²)");
    }
    side[r] = rLength;
    v[r] = w.step(r, symbols[r], formula,
                  {bind("p", p, v[p]), bind("q", q, v[q]), bind("X", x, v[x])}, rLength.value());
    const Field y = third(x, x == Field::AngleC ? Field::AngleB : Field::AngleC, Field::AngleA);
    const Field z = third(x, y, Field::AngleA);
    const WideNumber ySide = side[sideFacing(y)];
    const WideNumber zSide = side[sideFacing(z)];
    v[y] = w.step(y, symbols[y], TR("acos(({y}² − {r}² − {z}²)/(−2·{r}·{z}))"),
                  {bind("y", sideFacing(y), ySide.value()), bind("r", r, rLength.value()),
                   bind("z", sideFacing(z), zSide.value())},
                  acosDegrees(((ySide * ySide - rLength * rLength - zSide * zSide) /
                               (WideNumber(-2) * rLength * zSide))
                                  .value()));
    v[z] = lastAngle(w, z, x, y, v[x], v[y], zSide, rLength, ySide);
}

} // namespace

SolveOutcome TriangleSolver::solve(const std::vector<double>& in)
{
    bool anything = false;
    for (double value : in)
        anything = anything || given(value);
    if (!anything)
        return Refusal{};

    const double a = in[SideA], b = in[SideB], c = in[SideC];
    // With all three sides the angles are recomputed, so entered ones are not judged.
    if (!(given(a) && given(b) && given(c))) {
        constexpr std::pair<Field, Field> pairs[] = {
            {AngleA, AngleB}, {AngleA, AngleC}, {AngleB, AngleC}};
        for (const auto& [x, y] : pairs) {
            if (in[x] + in[y] >= 180)
                return Refusal{
                    angleSumMessage, std::nullopt,
                    WorkingStep{-1,
                                "",
                                TR("{X°} + {Y°} ≥ 180°: no angle is left for the third corner"),
                                {bind("X", x, in[x]), bind("Y", y, in[y])}}};
        }
    }

    // Only the sides as entered, and only positive ones; "not less than" so that a side
    // that is not a number is refused too.
    const auto tooLong = [&in](Field x, Field y, Field z, const char* message) {
        return Refusal{
            message, in[z],
            WorkingStep{-1,
                        "",
                        TR("{x} + {y} ≤ {z}: no triangle has these sides"),
                        {bind("x", x, in[x]), bind("y", y, in[y]), bind("z", z, in[z])}}};
    };
    if (b > 0 && c > 0 && !(a < b + c))
        return tooLong(SideB, SideC, SideA, sideAMessage);
    if (a > 0) {
        if (c > 0 && !(b < a + c))
            return tooLong(SideA, SideC, SideB, sideBMessage);
        if (b > 0 && !(c < a + b))
            return tooLong(SideA, SideB, SideC, sideCMessage);
    }

    for (const Case& k : cases) {
        if (!given(in[k.given[0]]) || !given(in[k.given[1]]) || !given(in[k.given[2]]))
            continue;
        std::vector<double> v = in;
        Lengths side{v[SideA], v[SideB], v[SideC]};
        WorkingRecorder w;
        const auto setSide = [&](Field f, WideNumber length, const char* formula,
                                 std::vector<WorkingBinding> bound) {
            side[f] = length;
            v[f] = w.step(f, symbols[f], formula, std::move(bound), length.value());
        };
        switch (k.kind) {
        case Kind::SideSideSide:
            v[AngleA] = angleByCosines(w, AngleA, SideA, SideB, SideC, a, b, c);
            v[AngleB] = angleByCosines(w, AngleB, SideB, SideC, SideA, b, c, a);
            v[AngleC] = lastAngle(w, AngleC, AngleA, AngleB, v[AngleA], v[AngleB], c, a, b);
            break;
        case Kind::AngleSideAngle: {
            const Field x = k.given[0], y = k.given[1], s = k.given[2];
            const Field z = third(x, y, AngleA);
            v[z] = w.step(z, symbols[z], TR("180° − ({X°} + {Y°})"),
                          {bind("X", x, v[x]), bind("Y", y, v[y])}, 180 - (v[x] + v[y]));
            const WideNumber diameter =
                side[s] / sinDegrees<WideNumber>(v[angleFacing(s)]); // law of sines
            for (Field angle : {AngleA, AngleB, AngleC}) {
                if (sideFacing(angle) != s)
                    setSide(sideFacing(angle), diameter * sinDegrees<WideNumber>(v[angle]),
                            TR("{s}/sin {S°}·sin {X°}"),
                            {bind("s", s, v[s]), bind("S", angleFacing(s), v[angleFacing(s)]),
                             bind("X", angle, v[angle])});
            }
            break;
        }
        case Kind::SideAngleSide:
            finishSideAngleSide(v, side, k.given[0], k.given[1], k.given[2], w);
            break;
        case Kind::SideSideAngle: {
            const Field facing = k.given[0], other = k.given[1], x = k.given[2];
            // The guard decides before anything is computed: only a unique solution passes.
            const std::vector<WorkingBinding> sides{bind("p", facing, v[facing]),
                                                    bind("q", other, v[other]), bind("X", x, v[x])};
            if (!(v[facing] > v[other])) {
                if (v[facing] != v[other])
                    return Refusal{oppositeLargerSideMessage, std::nullopt,
                                   WorkingStep{-1, "",
                                               TR("{p} < {q}: with the angle {X°} facing the "
                                                  "shorter side, two triangles or none fit"),
                                               sides}};
                if (!(v[x] < 90))
                    return Refusal{
                        lessThan90Message(x), std::nullopt,
                        WorkingStep{-1, "",
                                    TR("{p} = {q} and {X°} ≥ 90°: two equal sides cannot "
                                       "both face an angle of 90° or more"),
                                    sides}};
            }
            const Field y = angleFacing(other);
            const Field z = third(x, y, AngleA);
            const WideNumber diameter = side[facing] / sinDegrees<WideNumber>(v[x]);
            v[y] = w.step(y, symbols[y], TR("asin({q}/({p}/sin {X°}))"), sides,
                          asinDegrees((side[other] / diameter).value()));
            v[z] = w.step(z, symbols[z], TR("180° − ({X°} + {Y°})"),
                          {bind("X", x, v[x]), bind("Y", y, v[y])}, 180 - (v[x] + v[y]));
            // Rounding can leave no angle for the third corner: the triangle is flat, and
            // refused as an entered flat one is.
            if (!(v[z] > 0))
                return Refusal{sideMessage(facing), v[facing],
                               WorkingStep{-1,
                                           "",
                                           TR("{X°} + {Y°} = 180°: the triangle is flat"),
                                           {bind("X", x, v[x]), bind("Y", y, v[y])}}};
            setSide(sideFacing(z), sinDegrees<WideNumber>(v[z]) * diameter,
                    TR("sin {Z°}·{p}/sin {X°}"),
                    {bind("Z", z, v[z]), bind("p", facing, v[facing]), bind("X", x, v[x])});
            break;
        }
        case Kind::AreaSideAngle: {
            // The area gives the other side enclosing the angle; then as two sides and the
            // angle between them.
            const Field x = k.given[2];
            const Field enclosing = third(SideA, sideFacing(x), SideA);
            setSide(enclosing,
                    WideNumber(2) * v[Area] / (side[SideA] * sinDegrees<WideNumber>(v[x])),
                    TR("2·{S}/({a}·sin {X°})"),
                    {bind("S", Area, v[Area]), bind("a", SideA, v[SideA]), bind("X", x, v[x])});
            finishSideAngleSide(v, side, SideA, enclosing, x, w);
            break;
        }
        }
        WideNumber area = v[Area];
        if (k.kind != Kind::AreaSideAngle) {
            const bool enclosed = k.kind == Kind::SideAngleSide;
            const Field p = enclosed ? k.given[0] : SideA, q = enclosed ? k.given[1] : SideB,
                        x = enclosed ? k.given[2] : AngleC;
            area = WideNumber(0.5) * side[p] * side[q] * sinDegrees<WideNumber>(v[x]);
            v[Area] =
                w.step(Area, "S", TR("0.5·{p}·{q}·sin {X°}"),
                       {bind("p", p, v[p]), bind("q", q, v[q]), bind("X", x, v[x])}, area.value());
        }
        v[Height] = w.step(Height, "h", TR("2·{S}/{a}"), {{"S", v[Area]}, {"a", v[SideA]}},
                           (WideNumber(2) * area / side[SideA]).value());
        v[Perimeter] = w.step(Perimeter, "P", TR("{a} + {b} + {c}"),
                              {{"a", v[SideA]}, {"b", v[SideB]}, {"c", v[SideC]}},
                              v[SideA] + v[SideB] + v[SideC]);

        Solution solution{v, std::vector<bool>(FieldCount, false), w.take(), caseName(k.kind)};
        for (Field f : k.given)
            solution.given[f] = true;
        return solution;
    }
    return Refusal{};
}

const ShapeFieldTable& TriangleSolver::fieldTable()
{
    using Role = FieldRole;
    static const ShapeFieldTable table{
        QT_TRANSLATE_NOOP("Polymetra", "Triangle"),
        ShapeDimension::Plane,
        {
            {"sideATextField", QT_TRANSLATE_NOOP("Polymetra", "Side a:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide a: ")},
            {"sideBTextField", QT_TRANSLATE_NOOP("Polymetra", "Side b:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide b: ")},
            {"sideCTextField", QT_TRANSLATE_NOOP("Polymetra", "Side c:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide c: ")},
            {"angleATextField", QT_TRANSLATE_NOOP("Polymetra", "Angle A:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nAngle a: ")},
            {"angleBTextField", QT_TRANSLATE_NOOP("Polymetra", "Angle B:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nAngle b: ")},
            {"angleCTextField", QT_TRANSLATE_NOOP("Polymetra", "Angle C:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nAngle c: ")},
            {"yHeightTextField", QT_TRANSLATE_NOOP("Polymetra", "Height:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nHeight: "), Role::OutputOnly},
            {"areaTextField", QT_TRANSLATE_NOOP("Polymetra", "Area:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nArea: ")},
            {"circumferenceTextField", QT_TRANSLATE_NOOP("Polymetra", "Perimeter:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nPerimeter: "), Role::OutputOnly},
        },
        &TriangleSolver::solve,
    };
    return table;
}
