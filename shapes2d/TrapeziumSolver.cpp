#include "shapes2d/TrapeziumSolver.h"

#include "core/Angles.h"
#include "core/WideNumber.h"

#include <cmath>
#include <numeric>

namespace {

using Field = TrapeziumSolver::Field;
using Family = TrapeziumSolver::Family;
using Values = std::vector<double>;

using Angles::cosDegrees;
using Angles::sinDegrees;

bool given(double value)
{
    return value != 0.0; // exact; not a number counts as given
}

double cotDegrees(double degrees)
{
    return cosDegrees(degrees) / sinDegrees(degrees);
}

// A leg's angle on base a, and its partner on base c.
Field baseAngle(Field leg)
{
    return leg == Field::SideD ? Field::AngleA : Field::AngleB;
}

Field topAngle(Field leg)
{
    return leg == Field::SideD ? Field::AngleD : Field::AngleC;
}

Field otherLeg(Field leg)
{
    return leg == Field::SideD ? Field::SideB : Field::SideD;
}

Field legOf(Field angle)
{
    return angle == Field::AngleA || angle == Field::AngleD ? Field::SideD : Field::SideB;
}

// An angle given on a leg fixes its partner on the other base.
void completeAngle(Values& v, Field givenAngle)
{
    const Field leg = legOf(givenAngle);
    const Field partner = givenAngle == baseAngle(leg) ? topAngle(leg) : baseAngle(leg);
    v[partner] = 180 - v[givenAngle];
}

// How far a leg reaches along the bases: a = c + reach(d) + reach(b).
double reach(const Values& v, Field leg)
{
    return v[Field::Height] * cotDegrees(v[baseAngle(leg)]);
}

// The leg opposite a known one, from both bases, the height and the known leg's reach:
// its own reach closes the difference of the bases, and its angle on base a is obtuse
// when that reach is negative.
void closeWithOtherLeg(Values& v, Field knownLeg, double knownReach)
{
    const Field leg = otherLeg(knownLeg);
    const double legReach = v[Field::SideA] - v[Field::SideC] - knownReach;
    const double h = v[Field::Height];
    // Wide, since the squares of a long flat leg overflow.
    v[leg] = sqrt(WideNumber(h) * h + WideNumber(legReach) * legReach).value();
    v[baseAngle(leg)] = Angles::degrees(std::atan2(h, legReach));
    completeAngle(v, baseAngle(leg));
}

// The legs of the triangle that base a (or c) makes with the two legs produced until they
// meet: the largest leg, or height, that still leaves the other base positive.
double triangleOnBaseA(const Values& v, Field over)
{
    const double apex = sinDegrees(180 - v[Field::AngleA] - v[Field::AngleB]);
    const double a = v[Field::SideA];
    if (over == Field::Height)
        return a * sinDegrees(v[Field::AngleA]) * sinDegrees(v[Field::AngleB]) / apex;
    return a * sinDegrees(v[over == Field::SideD ? Field::AngleB : Field::AngleA]) / apex;
}

double triangleOnBaseC(const Values& v, Field over)
{
    const double apex = sinDegrees(180 - v[Field::AngleC] - v[Field::AngleD]);
    const double c = v[Field::SideC];
    if (over == Field::Height)
        return c * sinDegrees(v[Field::AngleC]) * sinDegrees(v[Field::AngleD]) / apex;
    return c * sinDegrees(v[over == Field::SideD ? Field::AngleC : Field::AngleD]) / apex;
}

const char* legMessage(Field leg)
{
    return leg == Field::SideD ? TrapeziumSolver::sideDMessage : TrapeziumSolver::sideBMessage;
}

// The roles the four given values of a case play.
struct Roles {
    Field base = Field::FieldCount;
    Field leg = Field::FieldCount;
    std::vector<Field> angles;
};

Roles rolesOf(const TrapeziumSolver::Case& c)
{
    Roles roles;
    for (Field f : c.given) {
        if (f == Field::SideA || f == Field::SideC)
            roles.base = f; // F4 and F5 give both bases; they do not use this
        else if (f == Field::SideB || f == Field::SideD)
            roles.leg = f;
        else if (f != Field::Height)
            roles.angles.push_back(f);
    }
    return roles;
}

} // namespace

const std::vector<TrapeziumSolver::Case>& TrapeziumSolver::cases()
{
    static const std::vector<Case> table{
        {Family::F1, {SideA, SideD, AngleA, AngleB}},  // 1
        {Family::F1, {SideA, SideB, AngleA, AngleB}},  // 2
        {Family::F2, {SideC, SideD, AngleA, AngleB}},  // 3
        {Family::F2, {SideB, SideC, AngleA, AngleB}},  // 4
        {Family::F1, {SideA, SideD, AngleA, AngleC}},  // 5
        {Family::F1, {SideA, SideB, AngleA, AngleC}},  // 6
        {Family::F2, {SideC, SideD, AngleA, AngleC}},  // 7
        {Family::F2, {SideB, SideC, AngleA, AngleC}},  // 8
        {Family::F4, {SideA, SideC, SideD, AngleA}},   // 9
        {Family::F1, {SideA, SideD, AngleB, AngleD}},  // 10
        {Family::F1, {SideA, SideB, AngleB, AngleD}},  // 11
        {Family::F2, {SideC, SideD, AngleB, AngleD}},  // 12
        {Family::F2, {SideB, SideC, AngleB, AngleD}},  // 13
        {Family::F4, {SideA, SideB, SideC, AngleB}},   // 14
        {Family::F5, {SideA, SideC, AngleB, Height}},  // 15
        {Family::F3, {SideA, AngleA, AngleB, Height}}, // 16
        {Family::F3, {SideC, AngleA, AngleB, Height}}, // 17
        {Family::F1, {SideA, SideD, AngleC, AngleD}},  // 18
        {Family::F1, {SideA, SideB, AngleC, AngleD}},  // 19
        {Family::F2, {SideC, SideD, AngleC, AngleD}},  // 20
        {Family::F2, {SideB, SideC, AngleC, AngleD}},  // 21
        {Family::F4, {SideA, SideB, SideC, AngleC}},   // 22
        {Family::F5, {SideA, SideC, AngleC, Height}},  // 23
        {Family::F5, {SideA, SideC, AngleA, Height}},  // 24
        {Family::F3, {SideA, AngleC, AngleD, Height}}, // 25
        {Family::F3, {SideA, AngleA, AngleC, Height}}, // 26
        {Family::F3, {SideA, AngleB, AngleD, Height}}, // 27
        {Family::F3, {SideC, AngleC, AngleD, Height}}, // 28
        {Family::F3, {SideC, AngleA, AngleC, Height}}, // 29
        {Family::F3, {SideC, AngleB, AngleD, Height}}, // 30
        {Family::F4, {SideA, SideC, SideD, AngleD}},   // 31
        {Family::F5, {SideA, SideC, AngleD, Height}},  // 32
    };
    return table;
}

SolveOutcome TrapeziumSolver::solve(const std::vector<double>& in)
{
    bool anything = false;
    for (int f = SideA; f <= Area; ++f)
        anything = anything || given(in[size_t(f)]);
    if (!anything)
        return Refusal{};
    for (Field angle : {AngleA, AngleB, AngleC, AngleD}) {
        if (in[angle] >= 180)
            return Refusal{angleMessage, std::nullopt};
    }

    for (const Case& c : cases()) {
        bool complete = true;
        for (Field f : c.given)
            complete = complete && given(in[f]);
        if (!complete)
            continue;

        Values v = in;
        const Roles roles = rolesOf(c);
        for (Field angle : roles.angles)
            completeAngle(v, angle);

        switch (c.family) {
        case Family::F1:
        case Family::F2: {
            // F1 to F3 hold one angle per leg, so all four angles are known now.
            const Field leg = roles.leg;
            v[Height] = v[leg] * sinDegrees(v[baseAngle(leg)]);
            v[otherLeg(leg)] = v[Height] / sinDegrees(v[baseAngle(otherLeg(leg))]);
            const double reaches = reach(v, SideD) + reach(v, SideB);
            if (c.family == Family::F1) {
                v[SideC] = v[SideA] - reaches;
                if (!(v[SideC] > 0))
                    return Refusal{legMessage(leg), triangleOnBaseA(v, leg)};
            } else {
                v[SideA] = v[SideC] + reaches;
                if (!(v[SideA] > 0))
                    return Refusal{legMessage(leg), triangleOnBaseC(v, leg)};
            }
            break;
        }
        case Family::F3: {
            v[SideB] = v[Height] / sinDegrees(v[AngleB]);
            v[SideD] = v[Height] / sinDegrees(v[AngleA]);
            const double reaches = reach(v, SideD) + reach(v, SideB);
            if (roles.base == SideA) {
                v[SideC] = v[SideA] - reaches;
                if (!(v[SideC] > 0))
                    return Refusal{heightMessage, triangleOnBaseA(v, Height)};
            } else {
                v[SideA] = v[SideC] + reaches;
                if (!(v[SideA] > 0))
                    return Refusal{heightMessage, triangleOnBaseC(v, Height)};
            }
            break;
        }
        case Family::F4: {
            const Field leg = roles.leg;
            const double angle = v[baseAngle(leg)];
            v[Height] = v[leg] * sinDegrees(angle);
            closeWithOtherLeg(v, leg, v[leg] * cosDegrees(angle));
            break;
        }
        case Family::F5: {
            const Field leg = legOf(roles.angles.front());
            v[leg] = v[Height] / sinDegrees(v[baseAngle(leg)]);
            closeWithOtherLeg(v, leg, reach(v, leg));
            break;
        }
        }

        // The mean of the bases, since their sum may overflow where the area does not.
        v[Area] = std::midpoint(v[SideA], v[SideC]) * v[Height];
        v[Perimeter] = v[SideA] + v[SideB] + v[SideC] + v[SideD];
        Solution solution{v, std::vector<bool>(FieldCount, false)};
        for (Field f : c.given)
            solution.given[f] = true;
        return solution;
    }
    return Refusal{};
}

const ShapeFieldTable& TrapeziumSolver::fieldTable()
{
    using Role = FieldRole;
    static const ShapeFieldTable table{
        QT_TRANSLATE_NOOP("Polymetra", "Trapezium"),
        ShapeDimension::Plane,
        {
            {"sideATextField", QT_TRANSLATE_NOOP("Polymetra", "Side a:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide a: ")},
            {"sideBTextField", QT_TRANSLATE_NOOP("Polymetra", "Side b:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide b: ")},
            {"sideCTextField", QT_TRANSLATE_NOOP("Polymetra", "Side c:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide c: ")},
            {"sideDTextField", QT_TRANSLATE_NOOP("Polymetra", "Side d:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nSide d: ")},
            {"angleATextField", QT_TRANSLATE_NOOP("Polymetra", "Angle A:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nAngle a: ")},
            {"angleBTextField", QT_TRANSLATE_NOOP("Polymetra", "Angle B:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nAngle b: ")},
            {"angleCTextField", QT_TRANSLATE_NOOP("Polymetra", "Angle C:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nAngle c: ")},
            {"angleDTextField", QT_TRANSLATE_NOOP("Polymetra", "Angle D:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nAngle d: ")},
            {"heightHTextField", QT_TRANSLATE_NOOP("Polymetra", "Height:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nHeight: ")},
            {"areaTextField", QT_TRANSLATE_NOOP("Polymetra", "Area:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nArea: "), Role::OutputOnly},
            {"circumferenceTextField", QT_TRANSLATE_NOOP("Polymetra", "Perimeter:"),
             QT_TRANSLATE_NOOP("Polymetra", "\nPerimeter: "), Role::OutputOnly},
        },
        &TrapeziumSolver::solve,
    };
    return table;
}
