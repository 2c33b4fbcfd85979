#include "shapes2d/TriangleSolver.h"

#include <array>
#include <cmath>
#include <numbers>

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

constexpr double pi = std::numbers::pi;

bool given(double value)
{
    return value != 0.0; // exact; not a number counts as given
}

double sinDeg(double degrees)
{
    return std::sin(degrees * pi / 180);
}

double cosDeg(double degrees)
{
    return std::cos(degrees * pi / 180);
}

double degrees(double radians)
{
    return radians * 180 / pi;
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

// Two sides p, q and the angle x between them: the third side by the law of cosines,
// then the first unknown angle (in the order A, B, C) by its arccosine, the last by the
// angle sum. The arccosine keeps an obtuse angle obtuse.
void finishSideAngleSide(std::vector<double>& v, Field p, Field q, Field x)
{
    const Field r = sideFacing(x);
    v[r] = std::sqrt(v[p] * v[p] + v[q] * v[q] - 2 * v[p] * v[q] * cosDeg(v[x]));
    const Field y = third(x, x == Field::AngleC ? Field::AngleB : Field::AngleC, Field::AngleA);
    const Field z = third(x, y, Field::AngleA);
    const Field ySide = sideFacing(y);
    const Field zSide = sideFacing(z);
    v[y] = degrees(std::acos((v[ySide] * v[ySide] - v[r] * v[r] - v[zSide] * v[zSide]) /
                             (-2 * v[r] * v[zSide])));
    v[z] = 180 - (v[x] + v[y]);
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
        switch (k.kind) {
        case Kind::SideSideSide:
            v[AngleA] = degrees(std::acos((b * b + c * c - a * a) / (2 * b * c)));
            v[AngleB] = degrees(std::acos((c * c + a * a - b * b) / (2 * a * c)));
            v[AngleC] = 180 - (v[AngleA] + v[AngleB]);
            break;
        case Kind::AngleSideAngle: {
            const Field x = k.given[0], y = k.given[1], s = k.given[2];
            const Field z = third(x, y, AngleA);
            v[z] = 180 - (v[x] + v[y]);
            const double diameter = v[s] / sinDeg(v[angleFacing(s)]); // law of sines
            for (Field angle : {AngleA, AngleB, AngleC}) {
                if (sideFacing(angle) != s)
                    v[sideFacing(angle)] = diameter * sinDeg(v[angle]);
            }
            break;
        }
        case Kind::SideAngleSide:
            finishSideAngleSide(v, k.given[0], k.given[1], k.given[2]);
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
            const double diameter = v[facing] / sinDeg(v[x]);
            v[y] = degrees(std::asin(v[other] / diameter));
            v[z] = 180 - (v[x] + v[y]);
            v[sideFacing(z)] = sinDeg(v[z]) * diameter;
            break;
        }
        case Kind::AreaSideAngle: {
            // The area gives the other side enclosing the angle; then as two sides and the
            // angle between them.
            const Field x = k.given[2];
            const Field enclosing = third(SideA, sideFacing(x), SideA);
            v[enclosing] = 2 * v[Area] / (v[SideA] * sinDeg(v[x]));
            finishSideAngleSide(v, SideA, enclosing, x);
            break;
        }
        }
        if (k.kind == Kind::SideAngleSide) {
            const Field p = k.given[0], q = k.given[1], x = k.given[2];
            v[Area] = 0.5 * v[p] * v[q] * sinDeg(v[x]);
        } else if (k.kind != Kind::AreaSideAngle) {
            v[Area] = 0.5 * v[SideA] * v[SideB] * sinDeg(v[AngleC]);
        }
        v[Height] = 2 * v[Area] / v[SideA];
        v[Perimeter] = v[SideA] + v[SideB] + v[SideC];

        Solution solution{v, std::vector<bool>(FieldCount, false)};
        for (Field f : k.given)
            solution.given[f] = true;
        return solution;
    }
    return Refusal{};
}
