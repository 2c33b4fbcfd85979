#include "shapes2d/TriangleSolver.h"

#include "support/NamedValues.h"

#include <QTest>

#include <cmath>
#include <numbers>

namespace {

const QStringList names{"a", "b", "c", "A", "B", "C", "h", "S", "P"}; // TriangleSolver::Field

// Every value of the triangle with sides a, b, c, written to the given decimals.
QString triangle(double a, double b, double c, int decimals)
{
    const double toDegrees = 180 / std::numbers::pi;
    const double A = std::acos((b * b + c * c - a * a) / (2 * b * c)) * toDegrees;
    const double B = std::acos((a * a + c * c - b * b) / (2 * a * c)) * toDegrees;
    const double C = 180 - A - B;
    const double s = (a + b + c) / 2;
    const double area = std::sqrt(s * (s - a) * (s - b) * (s - c));
    const std::vector<double> values{a, b, c, A, B, C, 2 * area / a, area, a + b + c};
    QStringList items;
    for (int i = 0; i < names.size(); ++i)
        items << names[i] + '=' + QString::number(values[size_t(i)], 'f', decimals);
    return items.join(' ');
}

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

constexpr double noBound = -1;

} // namespace

class TriangleSolverTest : public QObject {
    Q_OBJECT
private slots:
    void solves_data();
    void solves();
    void refuses_data();
    void refuses();
};

void TriangleSolverTest::solves_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("expected");

    // Each case reached from a triangle whose values it must reproduce; the side-side-angle
    // cases need the given angle to face the longer side, so each picks a fitting triangle.
    // Inputs carry more decimals than the expectation, so their rounding cannot show.
    const double aLongest[] = {7, 5, 6}, bLongest[] = {5, 7, 6}, cLongest[] = {5, 6, 7};
    const struct {
        const char* name;
        const char* fields;
        const double* figure;
    } cases[] = {
        {"1", "a b c", aLongest},  {"2", "A B b", aLongest},  {"3", "A C c", aLongest},
        {"4", "A B a", aLongest},  {"5", "B C c", aLongest},  {"6", "A C a", aLongest},
        {"7", "B C b", aLongest},  {"8", "A B c", aLongest},  {"9", "A C b", aLongest},
        {"10", "B C a", aLongest}, {"11", "b c A", aLongest}, {"12", "a c B", aLongest},
        {"13", "a b C", aLongest}, {"14", "a b A", aLongest}, {"15", "a c A", aLongest},
        {"16", "a b B", bLongest}, {"17", "b c B", bLongest}, {"18", "b c C", cLongest},
        {"19", "a c C", cLongest}, {"20", "S a B", aLongest}, {"21", "S a C", aLongest},
    };
    for (const auto& c : cases) {
        const QString given = pick(triangle(c.figure[0], c.figure[1], c.figure[2], 12), c.fields);
        const QString figure = triangle(c.figure[0], c.figure[1], c.figure[2], 8);
        QTest::addRow("case %s", c.name) << given << c.fields << figure;
        // Height and perimeter are never inputs: entered, they are overwritten.
        QTest::addRow("case %s, height and perimeter overwritten", c.name)
            << given + " h=99 P=99" << c.fields << figure;
    }

    QTest::newRow("1: 3 4 5") << "a=3 b=4 c=5"
                              << "a b c"
                              << "A=36.8699 B=53.1301 C=90 S=6 h=4 P=12";
    QTest::newRow("1: sides win over angles summing past 180") << "a=3 b=4 c=5 A=100 B=100 C=100"
                                                               << "a b c"
                                                               << "A=36.8699 B=53.1301 C=90";
    QTest::newRow("2: a entered loses to A B b") << "a=3 b=4 A=30 B=40"
                                                 << "b A B"
                                                 << "a=3.1114 c=5.8476 C=110";
    QTest::newRow("2: 30 60 90") << "A=30 B=60 b=4"
                                 << "b A B"
                                 << "a=2.3094 c=4.6188 C=90 S=4.6188 h=4 P=10.9282";
    QTest::newRow("4: three angles of 80, C recomputed") << "A=80 B=80 C=80 a=1"
                                                         << "a A B"
                                                         << "C=20";
    QTest::newRow("11: b c A") << "b=4 c=5 A=60"
                               << "b c A"
                               << "a=4.5826 B=49.1066 C=70.8934 S=8.6603 h=3.7796 P=13.5826";
    QTest::newRow("14: a b A") << "a=5 b=3 A=40"
                               << "a b A"
                               << "B=22.6855 C=117.3145 c=6.9113 S=6.6638 h=2.6655";
    QTest::newRow("14: equal sides, acute angle") << "a=4 b=4 A=60"
                                                  << "a b A"
                                                  << "B=60 C=60 c=4";
    QTest::newRow("17: b c B") << "b=3 c=3 B=45"
                               << "b c B"
                               << "C=45 A=90 a=4.2426 S=4.5";
    QTest::newRow("21: S a C") << "S=6 a=3 C=90"
                               << "a C S"
                               << "b=4 c=5 A=36.8699 B=53.1301 h=4 P=12";
    QTest::newRow("20: S a B, obtuse A") << "S=12.5 a=10 B=30"
                                         << "a B S"
                                         << "c=5 b=6.1966 A=126.2060 C=23.7940 h=2.5";
    QTest::newRow("13: a negative side goes through") << "a=-3 b=4 C=90"
                                                      << "a b C"
                                                      << "c=5 A=36.8699 S=-6 h=4 P=6";
}

void TriangleSolverTest::solves()
{
    QFETCH(QString, given);
    QFETCH(QString, marked);
    QFETCH(QString, expected);
    const SolveOutcome outcome = TriangleSolver::solve(NamedValues::parse(given, names));
    const Solution* solution = solutionOf(outcome);
    QVERIFY(solution);
    QCOMPARE(solution->given, NamedValues::marks(marked, names));
    const QString wrong = NamedValues::mismatch(solution->values, expected, names);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TriangleSolverTest::refuses_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("bound"); // noBound: the message has no placeholder

    const QString notEnough = notEnoughParametersMessage;
    const double none = noBound;
    QTest::newRow("nothing") << "" << notEnough << none;
    QTest::newRow("two sides") << "a=3 b=4" << notEnough << none;
    QTest::newRow("three angles") << "A=50 B=60 C=70" << notEnough << none;
    QTest::newRow("a side and its opposite angle") << "a=3 A=40" << notEnough << none;
    QTest::newRow("an area without side a") << "S=6 b=4 C=90" << notEnough << none;
    QTest::newRow("a height alone") << "h=4" << notEnough << none;
    QTest::newRow("a perimeter alone") << "P=12" << notEnough << none;
    QTest::newRow("A + B = 180") << "A=100 B=80 a=1" << QString(TriangleSolver::angleSumMessage)
                                 << none;
    QTest::newRow("B + C above 180 with two sides")
        << "B=100 C=90 a=1 b=1" << QString(TriangleSolver::angleSumMessage) << none;
    QTest::newRow("side a too long")
        << "a=5 b=2 c=2" << QString(TriangleSolver::sideAMessage) << 5.0;
    QTest::newRow("side a not a number")
        << "a=nan b=2 c=3" << QString(TriangleSolver::sideAMessage) << qQNaN();
    QTest::newRow("side b too long")
        << "a=2 b=5 c=2" << QString(TriangleSolver::sideBMessage) << 5.0;
    QTest::newRow("degenerate: c = a + b")
        << "a=1 b=2 c=3" << QString(TriangleSolver::sideCMessage) << 3.0;
    QTest::newRow("14: angle opposite the shorter side")
        << "a=3 b=5 A=40" << QString(TriangleSolver::oppositeLargerSideMessage) << none;
    QTest::newRow("19: angle opposite the shorter side")
        << "a=6 c=5 C=40" << QString(TriangleSolver::oppositeLargerSideMessage) << none;
    QTest::newRow("14: equal sides, right angle A")
        << "a=4 b=4 A=90" << QString(TriangleSolver::angleALessThan90Message) << none;
    QTest::newRow("14: equal sides, angle A not a number")
        << "a=4 b=4 A=nan" << QString(TriangleSolver::angleALessThan90Message) << none;
    QTest::newRow("16: equal sides, obtuse B")
        << "a=4 b=4 B=95" << QString(TriangleSolver::angleBLessThan90Message) << none;
    QTest::newRow("18: equal sides, obtuse C")
        << "b=4 c=4 C=120" << QString(TriangleSolver::angleCLessThan90Message) << none;
}

void TriangleSolverTest::refuses()
{
    QFETCH(QString, given);
    QFETCH(QString, message);
    QFETCH(double, bound);
    const SolveOutcome outcome = TriangleSolver::solve(NamedValues::parse(given, names));
    const Refusal* refusal = refusalOf(outcome);
    QVERIFY(refusal);
    QCOMPARE(QString::fromUtf8(refusal->messageKey), message);
    QCOMPARE(refusal->bound.has_value(), bound != noBound);
    if (refusal->bound && std::isnan(bound))
        QVERIFY(std::isnan(*refusal->bound));
    else if (refusal->bound)
        QCOMPARE(*refusal->bound, bound);
}

QTEST_APPLESS_MAIN(TriangleSolverTest)
#include "tst_TriangleSolver.moc"
