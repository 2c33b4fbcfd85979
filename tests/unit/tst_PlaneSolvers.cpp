#include "shapes2d/ParallelogramSolver.h"
#include "shapes2d/RectangleSolver.h"
#include "shapes2d/RegularPolygonNames.h"
#include "shapes2d/RegularPolygonSolver.h"
#include "shapes2d/TrapeziumSolver.h"
#include "shapes2d/TriangleSolver.h"
#include "support/SolverTable.h"

#include <QTest>

#include <cmath>
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
    t.solves("area 10", "S=10", "S", "r=1.784124116 d=3.568248232 S=10 C=11.20998243");
    t.solves("circumference 10", "C=10", "C", "r=1.591549431 d=3.183098862 S=7.957747155 C=10");
    t.solves("diameter wins over area", "S=10 d=4", "d", "r=2 d=4 S=12.56637061 C=12.56637061");
    t.solves("radius wins over circumference", "r=3 C=100", "r",
             "r=3 d=6 S=28.27433388 C=18.84955592");
    t.solves("a negative area gives a radius that is not a number", "S=-4", "S", "r=nan");
    t.solves("not a number counts as entered", "S=10 r=nan", "r", "r=nan");
    t.refuses("nothing", "");
}

void square()
{
    const SolverTable t("square");
    t.solves("perimeter", "P=10", "P", "a=2.5 S=6.25 P=10");
    t.solves("side wins, area overwritten", "a=3 S=100", "a", "a=3 S=9 P=12");
    t.solves("area wins over perimeter", "S=2 P=100", "S", "a=1.414213562 S=2 P=5.656854249");
    t.solves("negative side goes through", "a=-2", "a", "a=-2 S=4 P=-8");
    t.refuses("nothing", "");
}

void rectangle()
{
    const SolverTable t("rectangle");
    t.solves("1: sides overwrite area and perimeter", "a=3 b=4 S=50 P=50", "a b",
             "a=3 b=4 S=12 P=14");
    t.solves("2: a and area win over the perimeter", "a=3 S=12 P=100", "a S", "b=4 P=14");
    t.solves("3: a and perimeter", "a=3 P=14", "a P", "b=4 S=12");
    t.solves("3: just above twice a", "a=3 P=6.5", "a P", "b=0.25 S=0.75");
    t.solves("5: b and area", "b=4 S=12", "b S", "a=3 P=14");
    t.solves("6: b and perimeter", "b=4 P=14", "b P", "a=3 S=12");
    t.refuses("nothing", "");
    t.refuses("4: a alone", "a=3");
    t.refuses("7: b alone", "b=3");
    t.refuses("8: area and perimeter without a side", "S=12 P=14");
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
    t.solves("4: both radii overwrite the area", "a=3 b=2 S=50", "a b",
             "S=18.84955592 C=16.01904224");
    t.solves("5: radius a and area", "a=2 S=10", "a S", "b=1.591549431 C=11.35591631");
    t.solves("1: radius b and area", "b=2 S=10", "b S", "a=1.591549431 C=11.35591631");
    t.solves("a circle's circumference is exact", "a=1 b=1", "a b", "C=6.283185307179586");
    t.refuses("2: area alone", "S=10");
    t.refuses("3: radius b alone", "b=2");
    t.refuses("3: nothing", "");
    t.refuses("6: radius a alone", "a=3");
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

    t.refuses("nothing", "");
    t.refuses("perimeter alone", "P=30");
    t.refuses("two sides without an angle", "a=10 b=4");
    t.refuses("side a and area", "a=10 S=30");
    t.refuses("side a and height", "a=10 H=3");
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

    t.refuses("nothing", "");
    t.refuses("two sides", "a=3 b=4");
    t.refuses("three angles", "A=50 B=60 C=70");
    t.refuses("a side and its opposite angle", "a=3 A=40");
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
    t.refuses("nothing", "");
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
    t.refuses("nothing", "");
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

} // namespace

// Each plane solver's cases in precedence and its refusals, as rows of one table.
class PlaneSolversTest : public QObject {
    Q_OBJECT
private slots:
    void solves_data()
    {
        SolverTable::addColumns();
        for (const auto add :
             {circle, square, rectangle, ellipse, parallelogram, triangle, trapezium, polygon})
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
};

QTEST_APPLESS_MAIN(PlaneSolversTest)
#include "tst_PlaneSolvers.moc"
