#include "shapes2d/ParallelogramSolver.h"
#include "shapes2d/RectangleSolver.h"
#include "shapes2d/RegularPolygonNames.h"
#include "shapes2d/RegularPolygonSolver.h"
#include "shapes2d/TrapeziumSolver.h"
#include "shapes2d/TriangleSolver.h"
#include "shapes3d/ConeSolver.h"
#include "shapes3d/CylinderSolver.h"
#include "shapes3d/RectangularPrismSolver.h"
#include "shapes3d/TrapezoidalPrismSolver.h"
#include "shapes3d/TriangleArea.h"
#include "shapes3d/TriangularPrismSolver.h"
#include "support/SolverTable.h"

#include <QTest>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

// The named values of a full description, e.g. pick("a=7 b=5 ...", "a b A").
QString pick(const QString& full, const QString& wanted)
{
    QStringList items;
    for (const QString& item : full.split(' ')) {
        if (wanted.split(' ').contains(item.section('=', 0, 0)))
            items << item;
    }
    return items.join(' ');
}

// Every value of the triangle with sides a, b, c.
std::vector<double> triangleValues(double a, double b, double c)
{
    const double toDegrees = 180 / std::numbers::pi;
    const double A = std::acos((b * b + c * c - a * a) / (2 * b * c)) * toDegrees;
    const double B = std::acos((a * a + c * c - b * b) / (2 * a * c)) * toDegrees;
    const double s = (a + b + c) / 2;
    const double area = std::sqrt(s * (s - a) * (s - b) * (s - c));
    return {a, b, c, A, B, 180 - A - B, 2 * area / a, area, a + b + c};
}

// The 32 cases in precedence, written out independently of the solver's own table.
const char* const trapeziumCases[32] = {
    "a d A B", "a b A B", "c d A B", "b c A B", "a d A C", "a b A C", "c d A C", "b c A C",
    "a c d A", "a d B D", "a b B D", "c d B D", "b c B D", "a b c B", "a c B H", "a A B H",
    "c A B H", "a d C D", "a b C D", "c d C D", "b c C D", "a b c C", "a c C H", "a c A H",
    "a C D H", "a A C H", "a B D H", "c C D H", "c A C H", "c B D H", "a c d D", "a c D H"};

// The reference trapezium: a = 10, A = 60, B = 70, H = 3, every value to full precision.
std::vector<double> referenceTrapezium()
{
    const double rad = std::numbers::pi / 180, a = 10, A = 60, B = 70, H = 3;
    const double c = a - H / std::tan(A * rad) - H / std::tan(B * rad);
    const double b = H / std::sin(B * rad), d = H / std::sin(A * rad);
    return {a, b, c, d, A, B, 180 - B, 180 - A, H, (a + c) / 2 * H, a + b + c + d};
}

// The first case, in precedence, whose four fields are all among the entered ones.
int winningTrapeziumCase(const QStringList& entered)
{
    for (int k = 0; k < 32; ++k) {
        bool complete = true;
        for (const QString& name : QString(trapeziumCases[k]).split(' '))
            complete = complete && entered.contains(name);
        if (complete)
            return k;
    }
    return -1;
}

void circle()
{
    const SolverTable t("circle");
    t.solves("a negative area gives a radius that is not a number", "S=-4", "S", "r=nan");
    t.solves("not a number counts as entered", "S=10 r=nan", "r", "r=nan");
}

void square()
{
    const SolverTable t("square");
    t.solves("negative side goes through", "a=-2", "a", "a=-2 S=4 P=-8");
}

void rectangle()
{
    const SolverTable t("rectangle");
    t.solves("3: just above twice a", "a=3 P=6.5", "a P", "b=0.25 S=0.75");
    t.solves("6: b and perimeter", "b=4 P=14", "b P", "a=3 S=12");
    const char* sideA = RectangleSolver::perimeterSideAMessage;
    const char* sideB = RectangleSolver::perimeterSideBMessage;
    t.refuses("3: perimeter equal to twice a", "a=3 P=6", sideA, "6");
    t.refuses("3: perimeter not a number", "a=3.75 P=nan", sideA, "7.5");
    t.refuses("6: perimeter equal to twice b", "b=4 P=8", sideB, "8");
    t.refuses("6: perimeter below twice b", "b=4 P=1", sideB, "8");
}

void ellipse()
{
    const SolverTable t("ellipse");
    t.solves("a circle's circumference is exact", "a=1 b=1", "a b", "C=6.283185307179586");
}

void parallelogram()
{
    const SolverTable t("parallelogram");
    // One figure reached through every case: a = 10, b = 4, A = 60.
    const QString figure = "a=10 b=4 A=60 B=120 H=3.4641016151377544 S=34.64101615137754 P=28";
    const char* const cases[] = {"a b A", "a b B", "a A H", "a B H", "a A S", "a B S",
                                 "b B S", "b A S", "a A P", "a B P", "b A P", "b B P"};
    for (int k = 0; k < 12; ++k)
        t.solves(QString::asprintf("%d: %s", k + 1, cases[k]), pick(figure, cases[k]), cases[k],
                 figure);

    t.solves("everything entered: case 1 wins", "a=10 b=4 A=60 B=10 H=99 S=99 P=99", "a b A",
             figure);
    t.solves("both angles with a and area: A wins", "a=10 A=60 B=45 S=30", "a A S", "B=120");
    t.solves("both angles with b and area: B wins", "b=4 A=30 B=120 S=30", "b B S",
             "A=60 a=8.6603");

    t.refuses("side b, angle and height", "b=4 A=60 H=3");
    t.refuses("area and height", "A=60 S=30 H=3");
    using P = ParallelogramSolver;
    t.refuses("angle A of 180", "a=10 b=4 A=180", P::angleMessage);
    t.refuses("angle B above 180", "a=10 b=4 B=200", P::angleMessage);
    t.refuses("9: perimeter below twice a", "a=10 A=60 P=20", P::perimeterSideAMessage, "20");
    t.refuses("11: perimeter equal to twice b", "b=4 A=50 P=8", P::perimeterSideBMessage, "8");
    t.refuses("12: perimeter below twice b", "b=4 B=50 P=8", P::perimeterSideBMessage, "8");
}

void triangle()
{
    const SolverTable t("triangle");
    // Each case reached from a triangle whose values it must reproduce; the side-side-angle
    // cases need the given angle to face the longer side, so each picks a fitting triangle.
    // Inputs carry more decimals than the expectation, so their rounding cannot show.
    const double aLongest[] = {7, 5, 6}, bLongest[] = {5, 7, 6}, cLongest[] = {5, 6, 7};
    const std::pair<const char*, const double*> cases[] = {
        {"a b c", aLongest}, {"A B b", aLongest}, {"A C c", aLongest}, {"A B a", aLongest},
        {"B C c", aLongest}, {"A C a", aLongest}, {"B C b", aLongest}, {"A B c", aLongest},
        {"A C b", aLongest}, {"B C a", aLongest}, {"b c A", aLongest}, {"a c B", aLongest},
        {"a b C", aLongest}, {"a b A", aLongest}, {"a c A", aLongest}, {"a b B", bLongest},
        {"b c B", bLongest}, {"b c C", cLongest}, {"a c C", cLongest}, {"S a B", aLongest},
        {"S a C", aLongest}};
    for (int k = 0; k < 21; ++k) {
        const auto [fields, f] = cases[k];
        const std::vector<double> values = triangleValues(f[0], f[1], f[2]);
        const QString given = pick(SolverTable::named("triangle", values, 12), fields);
        const QString figure = SolverTable::named("triangle", values, 8);
        t.solves(QString::asprintf("case %d", k + 1), given, fields, figure);
        // Height and perimeter are never inputs: entered, they are overwritten.
        t.solves(QString::asprintf("case %d, height and perimeter overwritten", k + 1),
                 given + " h=99 P=99", fields, figure);
    }

    t.solves("1: sides win over angles summing past 180", "a=3 b=4 c=5 A=100 B=100 C=100", "a b c",
             "A=36.8699 B=53.1301 C=90 S=6 h=4 P=12");
    t.solves("2: a entered loses to A B b", "a=3 b=4 A=30 B=40", "b A B",
             "a=3.1114 c=5.8476 C=110");
    t.solves("4: three angles of 80, C recomputed", "A=80 B=80 C=80 a=1", "a A B", "C=20");
    t.solves("14: a b A, obtuse C", "a=5 b=3 A=40", "a b A",
             "B=22.6855 C=117.3145 c=6.9113 S=6.6638 h=2.6655");
    t.solves("14: equal sides, acute angle", "a=4 b=4 A=60", "a b A", "B=60 C=60 c=4");
    t.solves("17: b c B", "b=3 c=3 B=45", "b c B", "C=45 A=90 a=4.2426 S=4.5");
    t.solves("20: S a B, obtuse A", "S=12.5 a=10 B=30", "a B S",
             "c=5 b=6.1966 A=126.2060 C=23.7940 h=2.5");
    t.solves("13: a negative side goes through", "a=-3 b=4 C=90", "a b C",
             "c=5 A=36.8699 S=-6 h=4 P=6");

    t.refuses("three angles", "A=50 B=60 C=70");
    t.refuses("an area without side a", "S=6 b=4 C=90");
    t.refuses("a height alone", "h=4");
    t.refuses("a perimeter alone", "P=12");
    using T = TriangleSolver;
    t.refuses("A + B = 180", "A=100 B=80 a=1", T::angleSumMessage);
    t.refuses("B + C above 180 with two sides", "B=100 C=90 a=1 b=1", T::angleSumMessage);
    t.refuses("side a too long", "a=5 b=2 c=2", T::sideAMessage, "5");
    t.refuses("side a not a number", "a=nan b=2 c=3", T::sideAMessage, "nan");
    t.refuses("side b too long", "a=2 b=5 c=2", T::sideBMessage, "5");
    t.refuses("degenerate: c = a + b", "a=1 b=2 c=3", T::sideCMessage, "3");
    t.refuses("14: angle opposite the shorter side", "a=3 b=5 A=40", T::oppositeLargerSideMessage);
    t.refuses("19: angle opposite the shorter side", "a=6 c=5 C=40", T::oppositeLargerSideMessage);
    t.refuses("14: equal sides, right angle A", "a=4 b=4 A=90", T::angleALessThan90Message);
    t.refuses("14: equal sides, angle A not a number", "a=4 b=4 A=nan", T::angleALessThan90Message);
    t.refuses("16: equal sides, obtuse B", "a=4 b=4 B=95", T::angleBLessThan90Message);
    t.refuses("18: equal sides, obtuse C", "b=4 c=4 C=120", T::angleCLessThan90Message);
}

void trapezium()
{
    const SolverTable t("trapezium");
    const std::vector<double> exact = referenceTrapezium();
    const QString figure = SolverTable::named("trapezium", exact, 9),
                  given = SolverTable::named("trapezium", exact, 12);
    const QStringList inputs{"a", "b", "c", "d", "A", "B", "C", "D", "H"};
    for (int k = 0; k < 32; ++k) {
        const QStringList fields = QString(trapeziumCases[k]).split(' ');
        t.solves(QString::asprintf("case %d: %s", k + 1, trapeziumCases[k]),
                 pick(given, trapeziumCases[k]), trapeziumCases[k], figure);
        // One more value beside the case: a wrong one that must lose and be overwritten, or,
        // where it completes a case of higher precedence, the right one and that case wins.
        for (const QString& extra : inputs) {
            if (fields.contains(extra))
                continue;
            const int first = winningTrapeziumCase(fields + QStringList{extra});
            std::vector<double> values = exact;
            if (first == k)
                values[size_t(inputs.indexOf(extra))] *= 1.1;
            t.solves(QString::asprintf("case %d with %s", k + 1, qPrintable(extra)),
                     pick(SolverTable::named("trapezium", values, 12),
                          trapeziumCases[k] + (' ' + extra)),
                     trapeziumCases[first], figure);
        }
    }

    t.solves("14: negative reach gives an obtuse A", "a=2 c=5 b=1 B=60", "a b c B",
             "H=0.8660 d=3.6056 A=166.102 D=13.898 C=120 S=3.0311");
    t.solves("15: zero reach gives a right angle", "a=10 c=7 H=3 B=45", "a c B H",
             "b=4.2426 d=3 A=90 D=90 S=25.5");

    using Z = TrapeziumSolver;
    t.refuses("a perimeter alone", "P=20");
    t.refuses("an area alone", "S=20");
    t.refuses("A and D on the same leg", "a=10 b=3 A=60 D=120");
    t.refuses("B and C on the same leg", "a=10 d=3 B=70 C=110");
    t.refuses("an angle of 185", "a=10 A=185 B=70 H=3", Z::angleMessage);
    t.refuses("an angle of 180", "a=10 A=60 B=70 D=180", Z::angleMessage);
    t.refuses("1: leg d too long", "a=10 d=17 A=60 B=70", Z::sideDMessage, "12.2668");
    t.refuses("2: leg b too long", "a=10 b=15 A=60 B=70", Z::sideBMessage, "11.3052");
    t.refuses("18: leg d too long, angles completed", "a=10 d=17 C=110 D=120", Z::sideDMessage,
              "12.2668");
    t.refuses("16: height too great", "a=10 A=60 B=70 H=15", Z::heightMessage, "10.6234");
    t.refuses("3: leg d too long on base c", "c=2 d=3 A=150 B=150", Z::sideDMessage, "1.1547");
    t.refuses("4: leg b too long on base c", "c=2 b=3 A=150 B=150", Z::sideBMessage, "1.1547");
    t.refuses("17: height too great on base c", "c=2 H=3 A=150 B=150", Z::heightMessage, "0.57735");
}

void polygon()
{
    const SolverTable t("polygon");
    // A regular polygon's values, alike in the table ("x") and the graphic ("g").
    const auto regular = [](const QString& n, const QString& values) {
        return "n=" + n + QString(' ' + values).replace(' ', " x") +
               QString(' ' + values).replace(' ', " g");
    };
    const QString hexagonSide2 =
        regular("6", "s=2 R=2 r=1.73205080757 angle=120 A=10.3923048454 P=12");
    const QString pentagonSide1 =
        regular("5", "s=1 R=0.850650808352 r=0.688190960236 angle=108 A=1.72047740059 P=5");
    const std::pair<const char*, const char*> measures[] = {
        {"s", "side"}, {"R", "radius a"}, {"r", "radius b"}, {"A", "area"}, {"P", "perimeter"}};
    // The hexagon with side 2 reached from each table measure, the pentagon with side 1
    // from each graphic one.
    for (const auto& [field, measure] : measures) {
        const QString x = QString("x") + field, g = QString("g") + field;
        t.solves(QString("table ") + measure, "n=6 " + pick(hexagonSide2, x), "n " + x,
                 hexagonSide2);
        t.solves(QString("graphic ") + measure, pick(pentagonSide1, g), g, pentagonSide1);
    }
    t.solves("table side wins over radius and graphic values", "n=6 xs=2 xR=50 gs=7", "n xs",
             hexagonSide2);
    t.solves("table angle is not an input", "n=6 xangle=10 xP=12", "n xP", hexagonSide2);
    t.solves("5.9 sides is a pentagon", "n=5.9 xs=1", "n xs", pentagonSide1);

    t.solves("n without a table value: a pentagon from the graphic", "n=7 gs=1", "gs",
             pentagonSide1);
    t.solves("two sides without a table value: a pentagon from the graphic", "n=2 gs=1", "gs",
             pentagonSide1);
    t.solves("no n: the graphic wins over a table value", "xs=9 gs=1", "gs", pentagonSide1);
    t.solves("a triangle", "n=3 xs=1", "n xs", "xangle=60 xA=0.4330 gangle=60");

    const char* tooFew = RegularPolygonSolver::tooFewSidesMessage;
    t.refuses("n below 1 counts as nothing", "n=0.5");
    t.refuses("n alone", "n=6");
    t.refuses("only the graphic angle", "gangle=108");
    t.refuses("only the table angle", "xangle=108", tooFew);
    t.refuses("two sides alone", "n=2", tooFew);
    t.refuses("a table side without n", "xs=1", tooFew);
    t.refuses("two sides with a table side", "n=2 xs=1", tooFew);
    // Refused even with a graphic value, which would otherwise solve a degenerate figure.
    t.refuses("one side with table and graphic values", "n=1 xs=1 gs=1", tooFew);
    t.refuses("negative sides with a table value", "n=-6 xs=1 gs=1", tooFew);
    t.refuses("sides not a number with a table value", "n=nan xP=1 gs=1", tooFew);
    t.refuses("infinitely many sides with a table value", "n=inf xs=1", tooFew);
    t.refuses("more sides than a count holds", "n=1e30 xs=1 gs=1", tooFew);
}

void box()
{
    using P = RectangularPrismSolver;
    const SolverTable t("box");
    const QString solid = "a=2 b=3 h=4 V=24 S=52";
    t.solves("edges overwrite volume and surface", "a=2 b=3 h=4 V=99 S=99", "a b h", solid);
    t.solves("volume wins over surface with a, b", "a=2 b=3 V=24 S=7", "a b V", solid);
    t.solves("surface, a, b", "a=2 b=3 S=52", "a b S", solid);
    t.solves("volume wins over surface with h, a", "a=2 h=4 V=24 S=7", "a h V", solid);
    t.solves("surface, h, a", "a=2 h=4 S=52", "a h S", solid);
    t.solves("surface, h, b", "b=3 h=4 S=52", "b h S", solid);
    t.solves("not a number counts as entered", "a=nan b=3 h=4", "a b h",
             "a=nan b=3 h=4 V=nan S=nan");
    t.refuses("surface equal to both bases", "a=2 b=3 S=12", P::baseAreasMessage, "12");
    t.refuses("surface equal to sides a, h", "a=2 h=4 S=16", P::sideAreasMessage, "16");
    t.refuses("surface below sides b, h", "b=3 h=4 S=20", P::sideAreasMessage, "24");
    t.refuses("volume and surface only", "V=24 S=52");
}

void cylinder()
{
    using P = CylinderSolver;
    const SolverTable t("cylinder");
    const QString solid = "r=1 h=2 V=6.283185307 S=18.84955592";
    t.solves("volume wins over surface with the radius", "r=1 V=6.283185307179586 S=99", "r V",
             solid);
    t.solves("surface, radius", "r=1 S=18.84955592153876", "r S", solid);
    t.refuses("surface below both bases", "r=1 S=6", P::baseAreasMessage, "6.283185307179586");
    t.refuses("surface equal to both bases", "r=1 S=6.283185307179586", P::baseAreasMessage,
              "6.283185307179586");
}

void cone()
{
    using P = ConeSolver;
    const SolverTable t("cone");
    const QString solid = "r=3 h=4 s=5 V=37.69911184 S=75.39822369";
    t.solves("a typed surface is ignored", "r=3 h=4 S=999", "r h", solid);
    t.refuses("slant height equal to radius", "r=3 s=3", P::slantNotOverRadiusMessage, "3");
    t.refuses("slant height below radius", "r=3 s=2 V=50", P::slantNotOverRadiusMessage, "3");
    t.refuses("slant height equal to height", "h=4 s=4", P::slantNotOverHeightMessage, "4");
    t.refuses("surface only", "S=75");
}

void pyramid()
{
    const SolverTable t("pyramid");
    const QString solid = "a=3 b=4 h=6 V=24 S=55.71229971";
    t.solves("a, b, height overwrite the volume", "a=3 b=4 h=6 V=100", "a b h", solid);
    // Very unequal sides catch a surface whose two pairs of faces are swapped.
    t.solves("flat base", "a=10 b=2 h=1", "a b h", "a=10 b=2 h=1 V=6.666666667 S=44.34017465");
    t.refuses("a, b and a surface", "a=3 b=4 S=55");
}

void sphere()
{
    const SolverTable t("sphere");
    t.solves("a negative volume has a negative radius", "V=-100", "V",
             "r=-2.8794119115 d=-5.758823823 V=-100 S=104.18794157");
}

void triangularPrism()
{
    using P = TriangularPrismSolver;
    const SolverTable t("triangular prism");
    const QString prism = "a=3 b=4 c=5 h=10 V=60 S=132";
    t.solves("height wins over volume", "a=3 b=4 c=5 h=10 V=99", "a b c h", prism);
    t.solves("volume wins over surface", "a=3 b=4 c=5 V=60 S=7", "a b c V", prism);
    t.solves("sides, surface", "a=3 b=4 c=5 S=132", "a b c S", prism);
    t.solves("obtuse base", "a=3 b=4 c=2 h=1", "a b c h",
             "a=3 b=4 c=2 h=1 V=2.904737510 S=14.80947502");
    t.solves("a missing", "b=4 c=5 h=10 V=60", "b c h V", prism);
    t.solves("b missing", "a=3 c=5 h=10 V=60", "a c h V", prism);
    t.solves("c missing, surface overwritten", "a=3 b=4 h=10 V=60 S=7", "a b h V", prism);
    // The largest volume two sides hold: a right angle between them.
    t.solves("a missing, right angle", "b=4 c=5 h=10 V=100", "b c h V",
             "a=6.403124237 b=4 c=5 h=10 V=100 S=174.0312424");
    // Twice the 3-4-5 base is exactly 12: equality is refused, not solved with a height of
    // a few ulps.
    t.refuses("surface equal to both bases", "a=3 b=4 c=5 S=12", P::baseAreasMessage, "12");
    t.refuses("surface below both bases", "a=3 b=4 c=5 S=11", P::baseAreasMessage, "12");
    t.refuses("a too long", "a=10 b=3 c=4", P::sideAMessage, "10");
    t.refuses("b too long", "a=3 b=10 c=4 h=1", P::sideBMessage, "10");
    t.refuses("c flat", "a=3 b=4 c=7 h=1", P::sideCMessage, "7");
    t.refuses("a missing, volume too large", "b=4 c=5 h=10 V=101", P::volumeTooLargeMessage, "100");
    t.refuses("b missing, volume too large", "a=3 c=5 h=2 V=16", P::volumeTooLargeMessage, "15");
    t.refuses("c missing, volume too large", "a=3 b=4 h=1 V=7", P::volumeTooLargeMessage, "6");
    t.refuses("a missing, no height", "b=4 c=5 V=60");
    t.refuses("b missing, no volume", "a=3 c=5 h=10 S=132");
}

void trapezoidalPrism()
{
    using P = TrapezoidalPrismSolver;
    const SolverTable t("trapezoidal prism");
    const QString prism = "a=6 b=2 c=4 d=2.828427125 B=90 h=10 V=100 S=168.2842712";
    t.solves("height wins over volume", "a=6 b=2 c=4 B=90 h=10 V=55", "a b c B h", prism);
    t.solves("a typed side d is ignored", "a=6 b=2 c=4 d=99 B=90 h=10", "a b c B h", prism);
    t.solves("volume wins over surface", "a=6 b=2 c=4 B=90 V=100 S=7", "a b c B V", prism);
    t.solves("surface", "a=6 b=2 c=4 B=90 S=168.2842712474619", "a b c B S", prism);
    // At 60 degrees the leg b covers part of the run that d spans; at 90 it covers none.
    t.solves("acute angle", "a=5 b=2 c=3 B=60 h=1", "a b c B h",
             "a=5 b=2 c=3 d=2 B=60 h=1 V=6.928203230 S=25.85640646");
    t.refuses("surface below both bases", "a=5 b=2 c=3 B=60 S=13", P::baseAreasMessage,
              "13.856406460551018");
    t.refuses("straight angle alone", "B=180", P::angleMessage);
    t.refuses("reflex angle with a full base", "a=6 b=2 c=4 B=200 h=10", P::angleMessage);
    t.refuses("angle missing", "a=6 b=2 c=4 h=10");
    t.refuses("base only", "a=6 b=2 c=4 B=90");
}

} // namespace

// Finite, non-negative entries never make a solver return a negative value or not a
// number, and where every true result is representable the solver finds it, however far
// its intermediate products reach beyond the range of a double.
namespace {

using Values = std::vector<double>;
constexpr double pi = std::numbers::pi;
constexpr double tiny = std::numeric_limits<double>::denorm_min();
constexpr double largest = std::numeric_limits<double>::max();

// The extremes each kind of field is swept over.
const QList<double> extremeLengths{tiny, 1e-300, 1e-150, 1, 1e150, 1e300, largest};
const QList<double> extremeAngles{tiny, 1e-300, 1, 90, std::nextafter(180.0, 0.0)};
const QList<double> extremeCounts{3, 7, 1e19, std::nextafter(0x1p64, 0.0)};

// A solver swept over the extremes of the fields each of its cases reads.
struct Subject {
    QString solver;
    QList<QStringList> sweeps;
    QList<double> lengths = extremeLengths;

    const QList<double>& extremes(const QString& field) const
    {
        if (field == "n")
            return extremeCounts;
        return field.size() == 1 && field[0] >= 'A' && field[0] <= 'D' ? extremeAngles : lengths;
    }
};

QList<QStringList> choose(const QStringList& fields, qsizetype k)
{
    if (k == 0)
        return {{}};
    QList<QStringList> sets;
    for (qsizetype first = 0; first + k <= fields.size(); ++first) {
        for (const QStringList& rest : choose(fields.mid(first + 1), k - 1))
            sets << QStringList{fields[first]} + rest;
    }
    return sets;
}

QList<QStringList> sets(std::initializer_list<const char*> lists)
{
    QList<QStringList> result;
    for (const char* list : lists)
        result << QString(list).split(' ');
    return result;
}

QMap<QString, Subject> subjects()
{
    QMap<QString, Subject> s;
    s["circle"] = {"circle", choose({"r", "d", "S", "C"}, 1)};
    s["square"] = {"square", choose({"a", "S", "P"}, 1)};
    s["rectangle"] = {"rectangle", choose({"a", "b", "S", "P"}, 2)};
    s["ellipse"] = {"ellipse", choose({"a", "b", "S"}, 2)};
    s["parallelogram"] = {"parallelogram", choose({"a", "b", "A", "B", "H", "S", "P"}, 3)};
    s["polygon"] = {"polygon",
                    sets({"n xs", "n xR", "n xr", "n xA", "n xP", "gs", "gR", "gr", "gA", "gP"})};
    s["trapezium"] = {"trapezium", {}};
    for (const TrapeziumSolver::Case& c : TrapeziumSolver::cases()) {
        QStringList fields;
        for (TrapeziumSolver::Field f : c.given)
            fields << SolverTable::solver("trapezium").names[f];
        s["trapezium"].sweeps << fields;
    }
    s["triangle"] = {"triangle", choose({"a", "b", "c", "A", "B", "C", "S"}, 3)};
    // Sides that only just close (2 with 3 and 5 less an ulp, or 2, 4 and 6 plus one), or
    // two sides an ulp apart at a tiny angle: rounding can carry a cosine past ±1, leave
    // the angle sum above 180 degrees or the square of the third side below zero.
    s["flat triangle"] = {"triangle", choose({"a", "b", "c", "A", "B", "C"}, 3),
                          QList<double>{2, std::nextafter(3.0, 0.0), std::nextafter(5.0, 0.0),
                                        std::nextafter(2.0, 9.0), std::nextafter(4.0, 9.0),
                                        std::nextafter(6.0, 9.0)}};
    s["cone"] = {"cone", choose({"r", "h", "s", "V"}, 2)};
    s["cylinder"] = {"cylinder", choose({"r", "h", "V", "S"}, 2)};
    s["pyramid"] = {"pyramid", choose({"a", "b", "h", "V"}, 3)};
    s["box"] = {"box", choose({"a", "b", "h", "V", "S"}, 3)};
    s["sphere"] = {"sphere", choose({"r", "d", "V", "S"}, 1)};
    s["trapezoidal prism"] = {"trapezoidal prism", sets({"a b c B h", "a b c B V", "a b c B S"})};
    s["triangular prism"] = {"triangular prism", choose({"a", "b", "c", "h", "V", "S"}, 4)};
    return s;
}

void row(const char* subject, const char* name, const char* given, const QList<double>& expected)
{
    QTest::addRow("%s: %s", subject, name) << QString(subject) << QString(given) << expected;
}

} // namespace

// Each plane and solid solver's cases in precedence and its refusals, as rows of one table;
// and every solver at the extremes of a double.
class SolversTest : public QObject {
    Q_OBJECT
private slots:
    void solves_data()
    {
        SolverTable::addColumns();
        for (const auto add :
             {circle, square, rectangle, ellipse, parallelogram, triangle, trapezium, polygon, box,
              cylinder, cone, pyramid, sphere, triangularPrism, trapezoidalPrism})
            add();
    }
    void solves() { SolverTable::verifyRow(); }

    void namesPolygonsByNumberOfSides_data()
    {
        QTest::addColumn<quint64>("sides");
        QTest::addColumn<QString>("name");
        // clang-format off
        const std::pair<quint64, const char*> names[] = {
            {3, "Equilateral Triangle"}, {4, "Square"}, {5, "Pentagon"}, {13, "Triskaidecagon"},
            {19, "Enneakaidecagon"}, {20, "Icosagon"}, {21, "Icosikaihenagon"},
            {23, "Icosikaitrigon"}, {30, "Triacontagon"}, {47, "Tetracontakaiheptagon"},
            {58, "Pentacontakaioctagon"}, {99, "Enneacontakaienneagon"}, {100, "Hectagon"},
            {101, ""}, {1, ""}, {18446744073709551615ULL, ""}};
        // clang-format on
        for (const auto& [sides, name] : names)
            QTest::addRow("%llu", sides) << sides << QString(name);
    }
    void namesPolygonsByNumberOfSides()
    {
        QFETCH(quint64, sides);
        QTEST(RegularPolygonNames::name(sides), "name");
    }

    void exactSidesGiveAnExactTriangleArea_data()
    {
        QTest::addColumn<QList<double>>("sides");
        QTest::addColumn<double>("area");
        QTest::newRow("3-4-5") << QList<double>{3, 4, 5} << 6.0;
        QTest::newRow("5-3-4") << QList<double>{5, 3, 4} << 6.0;
        QTest::newRow("13-14-15") << QList<double>{13, 14, 15} << 84.0;
        QTest::newRow("halves") << QList<double>{1.5, 2, 2.5} << 1.5;
        QTest::newRow("negative b turns the area") << QList<double>{3, -4, 5} << -6.0;
    }
    void exactSidesGiveAnExactTriangleArea()
    {
        QFETCH(QList<double>, sides);
        QFETCH(double, area);
        QVERIFY(TriangleArea::fromSides(sides[0], sides[1], sides[2]) == area);
    }
    void findsRepresentableResults_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QList<double>>("expected"); // in field order

        const double rootTiny = std::sqrt(tiny);
        const double r = rootTiny / std::sqrt(pi);
        row("circle", "area below the normal range", "S=5e-324", {r, 2 * r, tiny, 2 * pi * r});
        row("ellipse", "radius squared overflows", "a=1e200 b=1e-200",
            {1e200, 1e-200, pi, std::numbers::sqrt2 * pi * 1e200});

        const double thin = 1e-300 * (pi / 180); // the sine of 1e-300 degrees
        row("parallelogram", "sides multiplied overflow at a thin angle",
            "a=1e200 b=1e200 A=1e-300",
            {1e200, 1e200, 1e-300, 180, 1e200 * thin, 1e200 * (1e200 * thin), 4e200});
        const double denormal = 1e300 * tiny * (pi / 180); // 1e300 · sin(5e-324°)
        row("parallelogram", "angle whose sine is below the range", "a=1e300 b=1e300 A=5e-324",
            {1e300, 1e300, tiny, 180, denormal, 1e300 * denormal, 4e300});
        const double sliver = 1e-130 * (pi / 180);
        const QList<double> sliverFigure{
            1e-200, 1e-100 / sliver, 1e-130, 180, 1e-100, 1e-300, 2e-200 + 2 * (1e-100 / sliver)};
        row("parallelogram", "height over a short side at a thin angle",
            "a=1e-200 A=1e-130 H=1e-100", sliverFigure);
        row("parallelogram", "area over a short side at a thin angle", "a=1e-200 A=1e-130 S=1e-300",
            sliverFigure);

        // With 1e19 sides n·tan(π/n) is π to double precision.
        const double rMany = std::sqrt(1e-310) / std::sqrt(pi);
        const double sMany = 2 * rMany * pi / 1e19;
        row("polygon", "many sides and an area below the normal range", "n=1e19 xA=1e-310",
            {1e19, sMany, rMany, rMany, 180, 1e-310, 2 * pi * rMany, 0, sMany, rMany, rMany, 180,
             1e-310, 2 * pi * rMany});
        const double r5 = rootTiny / std::sqrt(5 * std::tan(pi / 5));
        const double s5 = 2 * r5 * std::tan(pi / 5), R5 = s5 / (2 * std::sin(pi / 5));
        row("polygon", "pentagon area below the normal range", "gA=5e-324",
            {5, s5, R5, r5, 108, tiny, 5 * s5, 0, s5, R5, r5, 108, tiny, 5 * s5});

        // Leg d nearly flat along base a: leg b is parallel to it.
        const double flatHeight = 1e200 * (1e-298 * (pi / 180));
        row("trapezium", "leg squared overflows", "a=3e200 c=1e200 d=1e200 A=1e-298",
            {3e200, 1e200, 1e200, 1e200, 1e-298, 1e-298, 180, 180, flatHeight, 2e200 * flatHeight,
             6e200});

        // The 3-4-5 triangle scaled so far that squares of its sides overflow, not its area.
        const double k = 4e153, A = std::atan2(3.0, 4.0) * 180 / pi;
        const QList<double> right{3 * k, 4 * k, 5 * k, A, 90 - A, 90, 4 * k, 6 * k * k, 12 * k};
        row("triangle", "three sides whose squares overflow", "a=1.2e154 b=1.6e154 c=2e154", right);
        row("triangle", "two sides whose squares overflow and their angle",
            qPrintable(QString("b=1.6e154 c=2e154 A=%1").arg(A, 0, 'g', 17)), right);
        row("triangle", "twice the area overflows", "S=9.6e307 a=1.2e154 B=90",
            {3 * k, 5 * k, 4 * k, A, 90, 90 - A, 4 * k, 6 * k * k, 12 * k});
        row("triangle", "two long equal sides at an angle whose sine is below the range",
            "b=1e300 c=1e300 A=5e-324",
            {denormal, 1e300, 1e300, tiny, 90, 90, 1e300, 0.5e300 * denormal, 2e300});

        const QList<double> needle{1e-200, 1e200, 1e200, pi / 3 * 1e-200, pi};
        row("cone", "radius and height of a needle", "r=1e-200 h=1e200", needle);
        row("cone", "radius and slant height of a needle", "r=1e-200 s=1e200", needle);
        row("cone", "radius squared underflows", "r=1e-200 V=1e-300",
            {1e-200, 3e100 / pi, 3e100 / pi, 1e-300, 3e-100});
        row("cone", "height times volume underflows", "h=1e300 V=1e-300",
            {std::sqrt(3 / pi) * 1e-300, 1e300, 1e300, 1e-300, std::sqrt(3 * pi)});

        row("cylinder", "radius squared underflows", "r=1e-200 V=1e-300",
            {1e-200, 1e100 / pi, 1e-300, 2e-100});
        row("cylinder", "volume from the surface", "r=1e-200 S=1",
            {1e-200, 1e200 / (2 * pi), 5e-201, 1});
        row("cylinder", "volume over height underflows", "h=1e300 V=1e-300",
            {1e-300 / std::sqrt(pi), 1e300, 1e-300, 2 * std::sqrt(pi)});

        const double face = std::sqrt(1.25);
        row("pyramid", "a long and a short base side", "a=1e-200 b=1e300 h=1e-200",
            {1e-200, 1e300, 1e-200, 1e-100 / 3, (1.5 + face) * 1e100});
        row("pyramid", "height from a tiny base", "a=1e-200 b=1e-200 V=1e-300",
            {1e-200, 1e-200, 3e100, 1e-300, 6e-100});
        row("pyramid", "side b from a tiny side and height", "a=1e-200 h=1e-200 V=1e-300",
            {1e-200, 3e100, 1e-200, 1e-300, (4.5 + 3 * face) * 1e-100});

        row("box", "base area underflows", "a=1e-200 b=1e-200 h=1e300",
            {1e-200, 1e-200, 1e300, 1e-100, 4e100});
        row("box", "twice an edge overflows", "a=1e308 b=1e-10 h=1e-10",
            {1e308, 1e-10, 1e-10, 1e288, 4e298});
        row("box", "height from a tiny base", "a=1e-200 b=1e-200 V=1e-300",
            {1e-200, 1e-200, 1e100, 1e-300, 4e-100});
        row("box", "surface beside twice an edge that overflows", "a=1e308 b=1e-10 S=1e300",
            {1e308, 1e-10, (0.5e300 - 1e298) / 1e308, 1e298 * ((0.5e300 - 1e298) / 1e308), 1e300});
        row("box", "volume from the surface over a tiny base", "a=1e-200 b=1e-200 S=1",
            {1e-200, 1e-200, 2.5e199, 2.5e-201, 1});
        row("box", "side b from a tiny side and height", "a=1e-200 h=1e-200 V=1e-300",
            {1e-200, 1e100, 1e-200, 1e-300, 4e-100});
        row("box", "volume from the surface with side a", "a=1e-300 h=1e300 S=4",
            {1e-300, 1e-300, 1e300, 1e-300, 4});

        const double rSphere = std::cbrt(tiny) * std::cbrt(3 / (4 * pi));
        row("sphere", "volume below the normal range", "V=5e-324",
            {rSphere, 2 * rSphere, tiny, 4 * pi * rSphere * rSphere});

        const double hSurface = (1.7e308 - 2e298) / 2 / 1e308;
        row("trapezoidal prism", "sum of the bases overflows", "a=1e308 b=1e-10 c=1e308 B=90 h=0.5",
            {1e308, 1e-10, 1e308, 1e-10, 90, 0.5, 5e297, 1e308 + 2e298});
        row("trapezoidal prism", "perimeter overflows", "a=1e308 b=1e-10 c=1e308 B=90 S=1.7e308",
            {1e308, 1e-10, 1e308, 1e-10, 90, hSurface, 1e298 * hSurface, 1.7e308});
        row("trapezoidal prism", "height from a tiny base",
            "a=1e-200 b=1e-200 c=1e-200 B=90 V=1e-300",
            {1e-200, 1e-200, 1e-200, 1e-200, 90, 1e100, 1e-300, 4e-100});
        row("trapezoidal prism", "volume of a tiny base", "a=1e-200 b=1e-200 c=1e-200 B=90 h=1e300",
            {1e-200, 1e-200, 1e-200, 1e-200, 90, 1e300, 1e-100, 4e100});
        row("trapezoidal prism", "leg d squared overflows",
            "a=3e200 b=1e-200 c=1e200 B=90 h=1e-200",
            {3e200, 1e-200, 1e200, 2e200, 90, 1e-200, 2e-200, 10});
        row("trapezoidal prism", "angle whose sine is below the range",
            "a=1 b=1 c=1 B=5e-324 h=1e300", {1, 1, 1, 1, tiny, 1e300, denormal, 4e300});

        const double root3 = std::sqrt(3.0);
        row("triangular prism", "long sides", "a=1e100 b=1e100 c=1e100 h=1e-100",
            {1e100, 1e100, 1e100, 1e-100, root3 / 4 * 1e100, 3 + root3 / 2 * 1e200});
        row("triangular prism", "base area below the range, volume within",
            "a=1e-200 b=1e-200 c=1e-200 h=1e300",
            {1e-200, 1e-200, 1e-200, 1e300, root3 / 4 * 1e-100, 3e100});
        row("triangular prism", "height over a base area below the range",
            "a=1e-200 b=1e-200 c=1e-200 V=1e-300",
            {1e-200, 1e-200, 1e-200, 4 / root3 * 1e100, 1e-300, 4 * root3 * 1e-100});
        row("triangular prism", "missing side between sides multiplied overflow",
            "b=1e200 c=1e200 h=1 V=1e300", {2e100, 1e200, 1e200, 1, 1e300, 2e300 + 2e200 + 2e100});
    }
    void findsRepresentableResults()
    {
        QFETCH(QString, subject);
        QFETCH(QString, given);
        QFETCH(QList<double>, expected);
        const SolveOutcome outcome = SolverTable::solve(subject, given);
        const Refusal* refusal = refusalOf(outcome);
        QVERIFY2(!refusal, refusal ? refusal->messageKey : "");
        const Values& values = solutionOf(outcome)->values;
        QCOMPARE(qsizetype(values.size()), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const double value = values[size_t(i)];
            QVERIFY2(std::fabs(value - expected[i]) <= 1e-12 * std::fabs(expected[i]),
                     qPrintable(QStringLiteral("%1 is %2, expected %3")
                                    .arg(SolverTable::solver(subject).names[i])
                                    .arg(value, 0, 'g', 17)
                                    .arg(expected[i], 0, 'g', 17)));
        }
    }

    void extremesGiveNoNegativeOrNaN_data()
    {
        QTest::addColumn<QString>("subject");
        for (const QString& subject : subjects().keys())
            QTest::newRow(qPrintable(subject)) << subject;
    }
    // Every combination of extremes over the fields of every case; infinity is allowed, since
    // the calculator refuses a result that does not fit.
    void extremesGiveNoNegativeOrNaN()
    {
        QFETCH(QString, subject);
        const Subject sweep = subjects()[subject];
        const SolverTable::Solver& s = SolverTable::solver(sweep.solver);
        for (const QStringList& fields : sweep.sweeps) {
            std::vector<qsizetype> digits(size_t(fields.size()), 0);
            for (bool more = true; more;) {
                Values in(size_t(s.names.size()), 0.0);
                for (qsizetype i = 0; i < fields.size(); ++i)
                    in[size_t(s.names.indexOf(fields[i]))] =
                        sweep.extremes(fields[i])[digits[size_t(i)]];
                const SolveOutcome outcome = s.solve(in);
                if (const Solution* solution = solutionOf(outcome)) {
                    for (size_t f = 0; f < solution->values.size(); ++f) {
                        const double value = solution->values[f];
                        if (std::isnan(value) || value < 0)
                            QFAIL(qPrintable(QStringLiteral("%1 gives %2 = %3")
                                                 .arg(SolverTable::named(sweep.solver, in),
                                                      s.names[qsizetype(f)])
                                                 .arg(value, 0, 'g', 17)));
                    }
                }
                // The next combination, like an odometer.
                more = false;
                for (qsizetype i = 0; i < fields.size() && !more; ++i) {
                    more = ++digits[size_t(i)] < sweep.extremes(fields[i]).size();
                    if (!more)
                        digits[size_t(i)] = 0;
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(SolversTest)
#include "tst_Solvers.moc"
