#include "shapes2d/TriangleSolver.h"

#include "core/Angles.h"
#include "core/WideNumber.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using Field = TriangleSolver::Field;

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

// The last angle by the angle sum, or, where rounding leaves the sum above 180 degrees, by
// its own law of cosines.
double lastAngle(double x, double y, WideNumber facing, WideNumber side1, WideNumber side2)
{
    const double z = 180 - (x + y);
    return z < 0 ? acosDegrees(cosineFacing(facing, side1, side2).value()) : z;
}

// Two sides p, q and the angle x between them: the third side by the law of cosines,
// then the first unknown angle (in the order A, B, C) by its arccosine, the last by the
// angle sum. The arccosine keeps an obtuse angle obtuse.
void finishSideAngleSide(std::vector<double>& v, Lengths& side, Field p, Field q, Field x)
{
    const Field r = sideFacing(x);
    WideNumber rLength = sqrt(side[p] * side[p] + side[q] * side[q] -
                              WideNumber(2) * side[p] * side[q] * cosDegrees(v[x]));
    // Where cancellation leaves nothing of the square (two equal sides, a tiny angle), it
    // is (p − q)² + 4·p·q·sin²(x/2) instead, with sin(x/2) = sin x / (2·cos(x/2)).
    if (!rLength.isPositive()) {
        const WideNumber halfSine = sinDegrees<WideNumber>(v[x]) / (2 * cosDegrees(v[x] / 2));
        const WideNumber difference = side[p] - side[q];
        rLength =
            sqrt(difference * difference + WideNumber(4) * side[p] * side[q] * halfSine * halfSine);
    }
    side[r] = rLength;
    v[r] = rLength.value();
    const Field y = third(x, x == Field::AngleC ? Field::AngleB : Field::AngleC, Field::AngleA);
    const Field z = third(x, y, Field::AngleA);
    const WideNumber ySide = side[sideFacing(y)];
    const WideNumber zSide = side[sideFacing(z)];
    v[y] = acosDegrees(
        ((ySide * ySide - rLength * rLength - zSide * zSide) / (WideNumber(-2) * rLength * zSide))
            .value());
    v[z] = lastAngle(v[x], v[y], zSide, rLength, ySide);
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
        const double A = in[AngleA], B = in[AngleB], C = in[AngleC];
        if (A + B >= 180 || A + C >= 180 || B + C >= 180)
            return Refusal{angleSumMessage, std::nullopt};
    }

    // Only the sides as entered, and only positive ones; "not less than" so that a side
    // that is not a number is refused too.
    if (b > 0 && c > 0 && !(a < b + c))
        return Refusal{sideAMessage, a};
    if (a > 0) {
        if (c > 0 && !(b < a + c))
            return Refusal{sideBMessage, b};
        if (b > 0 && !(c < a + b))
            return Refusal{sideCMessage, c};
    }

    for (const Case& k : cases) {
        if (!given(in[k.given[0]]) || !given(in[k.given[1]]) || !given(in[k.given[2]]))
            continue;
        std::vector<double> v = in;
        Lengths side{v[SideA], v[SideB], v[SideC]};
        const auto setSide = [&](Field f, WideNumber length) {
            side[f] = length;
            v[f] = length.value();
        };
        switch (k.kind) {
        case Kind::SideSideSide:
            v[AngleA] = acosDegrees(cosineFacing(a, b, c).value());
            v[AngleB] = acosDegrees(cosineFacing(b, c, a).value());
            v[AngleC] = lastAngle(v[AngleA], v[AngleB], c, a, b);
            break;
        case Kind::AngleSideAngle: {
            const Field x = k.given[0], y = k.given[1], s = k.given[2];
            const Field z = third(x, y, AngleA);
            v[z] = 180 - (v[x] + v[y]);
            const WideNumber diameter =
                side[s] / sinDegrees<WideNumber>(v[angleFacing(s)]); // law of sines
            for (Field angle : {AngleA, AngleB, AngleC}) {
                if (sideFacing(angle) != s)
                    setSide(sideFacing(angle), diameter * sinDegrees<WideNumber>(v[angle]));
            }
            break;
        }
        case Kind::SideAngleSide:
            finishSideAngleSide(v, side, k.given[0], k.given[1], k.given[2]);
            break;
        case Kind::SideSideAngle: {
            const Field facing = k.given[0], other = k.given[1], x = k.given[2];
            // The guard decides before anything is computed: only a unique solution passes.
            if (!(v[facing] > v[other])) {
                if (v[facing] != v[other])
                    return Refusal{oppositeLargerSideMessage, std::nullopt};
                if (!(v[x] < 90))
                    return Refusal{lessThan90Message(x), std::nullopt};
            }
            const Field y = angleFacing(other);
            const Field z = third(x, y, AngleA);
            const WideNumber diameter = side[facing] / sinDegrees<WideNumber>(v[x]);
            v[y] = asinDegrees((side[other] / diameter).value());
            v[z] = 180 - (v[x] + v[y]);
            // Rounding can leave no angle for the third corner: the triangle is flat, and
            // refused as an entered flat one is.
            if (!(v[z] > 0))
                return Refusal{sideMessage(facing), v[facing]};
            setSide(sideFacing(z), sinDegrees<WideNumber>(v[z]) * diameter);
            break;
        }
        case Kind::AreaSideAngle: {
            // The area gives the other side enclosing the angle; then as two sides and the
            // angle between them.
            const Field x = k.given[2];
            const Field enclosing = third(SideA, sideFacing(x), SideA);
            setSide(enclosing,
                    WideNumber(2) * v[Area] / (side[SideA] * sinDegrees<WideNumber>(v[x])));
            finishSideAngleSide(v, side, SideA, enclosing, x);
            break;
        }
        }
        WideNumber area = v[Area];
        if (k.kind == Kind::SideAngleSide) {
            const Field p = k.given[0], q = k.given[1], x = k.given[2];
            area = WideNumber(0.5) * side[p] * side[q] * sinDegrees<WideNumber>(v[x]);
        } else if (k.kind != Kind::AreaSideAngle) {
            area = WideNumber(0.5) * side[SideA] * side[SideB] * sinDegrees<WideNumber>(v[AngleC]);
        }
        v[Area] = area.value();
        v[Height] = (WideNumber(2) * area / side[SideA]).value();
        v[Perimeter] = v[SideA] + v[SideB] + v[SideC];

        Solution solution{v, std::vector<bool>(FieldCount, false)};
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
