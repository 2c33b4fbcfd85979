#include "shapes2d/TrapeziumSolver.h"
#include "support/SolverTable.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <numbers>

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

class SolverRangeTest : public QObject {
    Q_OBJECT
private slots:
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

QTEST_APPLESS_MAIN(SolverRangeTest)
#include "tst_SolverRange.moc"
