#include "shapes2d/PolygonNames.h"
#include "shapes2d/PolygonSolver.h"

#include "support/NamedValues.h"

#include <QTest>

namespace {

// In PolygonSolver::Field order; graphic fields carry a "g" prefix.
const QStringList names{"n",    "xs", "xR", "xr", "xangle", "xA", "xP",
                        "name", "gs", "gR", "gr", "gangle", "gA", "gP"};

const QString hexagonSide2 = "n=6 xs=2 xR=2.0000000000000004 xr=1.7320508075688774 xangle=120 "
                             "xA=10.392304845413264 xP=12 gs=2 gR=2.0000000000000004 "
                             "gr=1.7320508075688774 gangle=120 gA=10.392304845413264 gP=12";
const QString pentagonSide1 =
    "n=5 xs=1 xR=0.8506508083520399 xr=0.6881909602355868 xangle=108 xA=1.720477400588967 xP=5 "
    "gs=1 gR=0.8506508083520399 gr=0.6881909602355868 gangle=108 gA=1.720477400588967 gP=5";

} // namespace

class PolygonSolverTest : public QObject {
    Q_OBJECT
private slots:
    void solves_data();
    void solves();
    void refuses_data();
    void refuses();
    void namesByNumberOfSides_data();
    void namesByNumberOfSides();
};

void PolygonSolverTest::solves_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("expected");

    // The hexagon with side 2 reached from each table measure.
    QTest::newRow("table side") << "n=6 xs=2"
                                << "n xs" << hexagonSide2;
    QTest::newRow("table radius a") << "n=6 xR=2.0000000000000004"
                                    << "n xR" << hexagonSide2;
    QTest::newRow("table radius b") << "n=6 xr=1.7320508075688774"
                                    << "n xr" << hexagonSide2;
    QTest::newRow("table area") << "n=6 xA=10.392304845413264"
                                << "n xA" << hexagonSide2;
    QTest::newRow("table perimeter") << "n=6 xP=12"
                                     << "n xP" << hexagonSide2;
    QTest::newRow("table side wins over radius and graphic values") << "n=6 xs=2 xR=50 gs=7"
                                                                    << "n xs" << hexagonSide2;
    QTest::newRow("table angle is not an input") << "n=6 xangle=10 xP=12"
                                                 << "n xP" << hexagonSide2;
    QTest::newRow("5.9 sides is a pentagon") << "n=5.9 xs=1"
                                             << "n xs" << pentagonSide1;

    // The pentagon with side 1 reached from each graphic measure.
    QTest::newRow("graphic side") << "gs=1"
                                  << "gs" << pentagonSide1;
    QTest::newRow("graphic radius a") << "gR=0.8506508083520399"
                                      << "gR" << pentagonSide1;
    QTest::newRow("graphic radius b") << "gr=0.6881909602355868"
                                      << "gr" << pentagonSide1;
    QTest::newRow("graphic area") << "gA=1.720477400588967"
                                  << "gA" << pentagonSide1;
    QTest::newRow("graphic perimeter") << "gP=5"
                                       << "gP" << pentagonSide1;
    QTest::newRow("n without a table value: a pentagon from the graphic") << "n=7 gs=1"
                                                                          << "gs" << pentagonSide1;
    QTest::newRow("two sides without a table value: a pentagon from the graphic")
        << "n=2 gs=1"
        << "gs" << pentagonSide1;
    QTest::newRow("no n: the graphic wins over a table value") << "xs=9 gs=1"
                                                               << "gs" << pentagonSide1;
    QTest::newRow("a triangle") << "n=3 xs=1"
                                << "n xs"
                                << "xangle=60 xA=0.4330 gangle=60";
}

void PolygonSolverTest::solves()
{
    QFETCH(QString, given);
    QFETCH(QString, marked);
    QFETCH(QString, expected);
    const SolveOutcome outcome = PolygonSolver::solve(NamedValues::parse(given, names));
    const Solution* solution = solutionOf(outcome);
    QVERIFY(solution);
    QCOMPARE(solution->given, NamedValues::marks(marked, names));
    const QString wrong = NamedValues::mismatch(solution->values, expected, names);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void PolygonSolverTest::refuses_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("message");

    const QString notEnough = notEnoughParametersMessage;
    const QString tooFew = PolygonSolver::tooFewSidesMessage;
    QTest::newRow("nothing") << "" << notEnough;
    QTest::newRow("n below 1 counts as nothing") << "n=0.5" << notEnough;
    QTest::newRow("n alone") << "n=6" << notEnough;
    QTest::newRow("only the graphic angle") << "gangle=108" << notEnough;
    QTest::newRow("only the table angle") << "xangle=108" << tooFew;
    QTest::newRow("two sides alone") << "n=2" << tooFew;
    QTest::newRow("a table side without n") << "xs=1" << tooFew;
    QTest::newRow("two sides with a table side") << "n=2 xs=1" << tooFew;
    // Refused even with a graphic value, which would otherwise solve a degenerate figure.
    QTest::newRow("one side with table and graphic values") << "n=1 xs=1 gs=1" << tooFew;
    QTest::newRow("negative sides with a table value") << "n=-6 xs=1 gs=1" << tooFew;
    QTest::newRow("sides not a number with a table value") << "n=nan xP=1 gs=1" << tooFew;
    QTest::newRow("infinitely many sides with a table value") << "n=inf xs=1" << tooFew;
    QTest::newRow("more sides than a count holds") << "n=1e30 xs=1 gs=1" << tooFew;
}

void PolygonSolverTest::refuses()
{
    QFETCH(QString, given);
    QFETCH(QString, message);
    const SolveOutcome outcome = PolygonSolver::solve(NamedValues::parse(given, names));
    const Refusal* refusal = refusalOf(outcome);
    QVERIFY(refusal);
    QCOMPARE(QString::fromUtf8(refusal->messageKey), message);
    QVERIFY(!refusal->bound);
}

void PolygonSolverTest::namesByNumberOfSides_data()
{
    QTest::addColumn<quint64>("sides");
    QTest::addColumn<QString>("name");
    QTest::newRow("3") << quint64(3) << "Equilateral Triangle";
    QTest::newRow("4") << quint64(4) << "Square";
    QTest::newRow("5") << quint64(5) << "Pentagon";
    QTest::newRow("13") << quint64(13) << "Triskaidecagon";
    QTest::newRow("19") << quint64(19) << "Enneakaidecagon";
    QTest::newRow("20") << quint64(20) << "Icosagon";
    QTest::newRow("21") << quint64(21) << "Icosikaihenagon";
    QTest::newRow("23") << quint64(23) << "Icosikaitrigon";
    QTest::newRow("30") << quint64(30) << "Triacontagon";
    QTest::newRow("47") << quint64(47) << "Tetracontakaiheptagon";
    QTest::newRow("58") << quint64(58) << "Pentacontakaioctagon";
    QTest::newRow("99") << quint64(99) << "Enneacontakaienneagon";
    QTest::newRow("100") << quint64(100) << "Hectagon";
    QTest::newRow("101") << quint64(101) << "";
    QTest::newRow("one") << quint64(1) << "";
    QTest::newRow("a huge count") << quint64(18446744073709551615ULL) << "";
}

void PolygonSolverTest::namesByNumberOfSides()
{
    QFETCH(quint64, sides);
    QTEST(PolygonNames::name(sides), "name");
}

QTEST_APPLESS_MAIN(PolygonSolverTest)
#include "tst_PolygonSolver.moc"
