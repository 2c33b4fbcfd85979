#include "shapes2d/TrapeziumSolver.h"

#include "core/Angles.h"
#include "core/WideNumber.h"

#include <cmath>
#include <numeric>
#include <optional>

namespace {

using Field = TrapeziumSolver::Field;
using Family = TrapeziumSolver::Family;
using Values = std::vector<double>;
#define TR(text) QT_TRANSLATE_NOOP("Polymetra", text)

// Each field's name in the formulas, indexed like the fields.
constexpr const char* symbols[TrapeziumSolver::FieldCount] = {"a", "b", "c", "d", "A", "B",
                                                              "C", "D", "h", "S", "P"};

WorkingBinding bind(const char* placeholder, Field field, double value)
{
    return {placeholder, value, symbols[field]};
}

// The reaches of both legs along the bases, as the formulas write them.
std::vector<WorkingBinding> reachBindings(const Values& v)
{
    return {{"h", v[Field::Height]}, {"A", v[Field::AngleA]}, {"B", v[Field::AngleB]}};
}

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
void completeAngle(Values& v, Field givenAngle, WorkingRecorder& w)
{
    const Field leg = legOf(givenAngle);
    const Field partner = givenAngle == baseAngle(leg) ? topAngle(leg) : baseAngle(leg);
    v[partner] = w.step(partner, symbols[partner], TR("180° − {X°}"),
                        {bind("X", givenAngle, v[givenAngle])}, 180 - v[givenAngle]);
}

// How far a leg reaches along the bases: a = c + reach(d) + reach(b).
double reach(const Values& v, Field leg)
{
    return v[Field::Height] * cotDegrees(v[baseAngle(leg)]);
}

// The leg opposite a known one, from both bases, the height and the known leg's reach:
// its own reach closes the difference of the bases, and its angle on base a is obtuse
// when that reach is negative.
// `reachFormula` writes the known leg's reach with {l} for that leg, {X} for its angle.
void closeWithOtherLeg(Values& v, Field knownLeg, double knownReach, const char* legFormula,
                       const char* angleFormula, WorkingRecorder& w)
{
    const Field leg = otherLeg(knownLeg);
    const double legReach = v[Field::SideA] - v[Field::SideC] - knownReach;
    const double h = v[Field::Height];
    std::vector<WorkingBinding> bound{{"h", h},
                                      {"a", v[Field::SideA]},
                                      {"c", v[Field::SideC]},
                                      bind("l", knownLeg, v[knownLeg]),
                                      bind("X", baseAngle(knownLeg), v[baseAngle(knownLeg)])};
    // Wide, since the squares of a long flat leg overflow.
    v[leg] = w.step(leg, symbols[leg], legFormula, bound,
                    sqrt(WideNumber(h) * h + WideNumber(legReach) * legReach).value());
    bound.push_back(bind("m", leg, v[leg]));
    v[baseAngle(leg)] = w.step(baseAngle(leg), symbols[baseAngle(leg)], angleFormula, bound,
                               Angles::degrees(std::atan2(h, legReach)));
    completeAngle(v, baseAngle(leg), w);
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

const char* caseName(Family family)
{
    switch (family) {
    case Family::F1:
        return TR("base a, a leg and an angle at each leg");
    case Family::F2:
        return TR("base c, a leg and an angle at each leg");
    case Family::F3:
        return TR("a base, the height and an angle at each leg");
    case Family::F4:
        return TR("both bases, a leg and an angle");
    case Family::F5:
        break;
    }
    return TR("both bases, the height and an angle");
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
            return Refusal{
                angleMessage, std::nullopt,
                WorkingStep{-1,
                            "",
                            TR("{X°} ≥ 180°: every angle of a trapezium is less than 180°"),
                            {bind("X", angle, in[angle])}}};
    }

    for (const Case& c : cases()) {
        bool complete = true;
        for (Field f : c.given)
            complete = complete && given(in[f]);
        if (!complete)
            continue;

        Values v = in;
        WorkingRecorder w;
        const Roles roles = rolesOf(c);
        for (Field angle : roles.angles)
            completeAngle(v, angle, w);
        // Base c from base a or the other way round, the legs' reaches between them.
        // A refusal comes without its bound, which the family knows.
        const auto otherBase = [&](bool fromA, const char* message) -> std::optional<Refusal> {
            const double reaches = reach(v, SideD) + reach(v, SideB);
            std::vector<WorkingBinding> bound = reachBindings(v);
            if (fromA) {
                bound.push_back({"a", v[SideA]});
                v[SideC] =
                    w.step(SideC, "c", TR("{a} − ({h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°})"),
                           bound, v[SideA] - reaches);
                if (!(v[SideC] > 0))
                    return Refusal{message, std::nullopt,
                                   WorkingStep{-1, "",
                                               TR("{a} ≤ {h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin "
                                                  "{B°}: the legs meet before they reach base c"),
                                               bound}};
            } else {
                bound.push_back({"c", v[SideC]});
                v[SideA] =
                    w.step(SideA, "a", TR("{c} + ({h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°})"),
                           bound, v[SideC] + reaches);
                if (!(v[SideA] > 0))
                    return Refusal{
                        message, std::nullopt,
                        WorkingStep{-1, "",
                                    TR("{c} + {h}·cos {A°}/sin {A°} + {h}·cos {B°}/sin {B°} "
                                       "≤ 0: the legs meet before they reach base a"),
                                    bound}};
            }
            return std::nullopt;
        };

        switch (c.family) {
        case Family::F1:
        case Family::F2: {
            // F1 to F3 hold one angle per leg, so all four angles are known now.
            const Field leg = roles.leg;
            const Field other = otherLeg(leg);
            v[Height] =
                w.step(Height, "h", TR("{l}·sin {X°}"),
                       {bind("l", leg, v[leg]), bind("X", baseAngle(leg), v[baseAngle(leg)])},
                       v[leg] * sinDegrees(v[baseAngle(leg)]));
            v[other] = w.step(other, symbols[other], TR("{h}/sin {X°}"),
                              {{"h", v[Height]}, bind("X", baseAngle(other), v[baseAngle(other)])},
                              v[Height] / sinDegrees(v[baseAngle(other)]));
            const bool fromA = c.family == Family::F1;
            if (const auto refusal = otherBase(fromA, legMessage(leg))) {
                Refusal r = *refusal;
                r.bound = fromA ? triangleOnBaseA(v, leg) : triangleOnBaseC(v, leg);
                return r;
            }
            break;
        }
        case Family::F3: {
            v[SideB] = w.step(SideB, "b", TR("{h}/sin {B°}"), {{"h", v[Height]}, {"B", v[AngleB]}},
                              v[Height] / sinDegrees(v[AngleB]));
            v[SideD] = w.step(SideD, "d", TR("{h}/sin {A°}"), {{"h", v[Height]}, {"A", v[AngleA]}},
                              v[Height] / sinDegrees(v[AngleA]));
            const bool fromA = roles.base == SideA;
            if (const auto refusal = otherBase(fromA, heightMessage)) {
                Refusal r = *refusal;
                r.bound = fromA ? triangleOnBaseA(v, Height) : triangleOnBaseC(v, Height);
                return r;
            }
            break;
        }
        case Family::F4: {
            const Field leg = roles.leg;
            const double angle = v[baseAngle(leg)];
            v[Height] = w.step(Height, "h", TR("{l}·sin {X°}"),
                               {bind("l", leg, v[leg]), bind("X", baseAngle(leg), angle)},
                               v[leg] * sinDegrees(angle));
            closeWithOtherLeg(v, leg, v[leg] * cosDegrees(angle),
                              TR("√({h}² + ({a} − {c} − {l}·cos {X°})²)"),
                              TR("acos(({a} − {c} − {l}·cos {X°})/{m})"), w);
            break;
        }
        case Family::F5: {
            const Field leg = legOf(roles.angles.front());
            v[leg] = w.step(leg, symbols[leg], TR("{h}/sin {X°}"),
                            {{"h", v[Height]}, bind("X", baseAngle(leg), v[baseAngle(leg)])},
                            v[Height] / sinDegrees(v[baseAngle(leg)]));
            closeWithOtherLeg(v, leg, reach(v, leg),
                              TR("√({h}² + ({a} − {c} − {h}·cos {X°}/sin {X°})²)"),
                              TR("acos(({a} − {c} − {h}·cos {X°}/sin {X°})/{m})"), w);
            break;
        }
        }

        // The mean of the bases, since their sum may overflow where the area does not.
        v[Area] = w.step(Area, "S", TR("({a} + {c})/2·{h}"),
                         {{"a", v[SideA]}, {"c", v[SideC]}, {"h", v[Height]}},
                         std::midpoint(v[SideA], v[SideC]) * v[Height]);
        v[Perimeter] = w.step(Perimeter, "P", TR("{a} + {b} + {c} + {d}"),
                              {{"a", v[SideA]}, {"b", v[SideB]}, {"c", v[SideC]}, {"d", v[SideD]}},
                              v[SideA] + v[SideB] + v[SideC] + v[SideD]);
        Solution solution{v, std::vector<bool>(FieldCount, false), w.take(), caseName(c.family)};
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
