#include "shapes2d/EllipseSolver.h"

#include "support/NamedValues.h"

#include <QTest>

namespace {
const QStringList names{"a", "b", "S", "C"}; // in EllipseSolver::Field order
}

class EllipseSolverTest : public QObject {
    Q_OBJECT
private slots:
    void solvesEachCaseInPrecedence_data();
    void solvesEachCaseInPrecedence();
    void refusesWithoutTwoDefiningValues_data();
    void refusesWithoutTwoDefiningValues();
};

void EllipseSolverTest::solvesEachCaseInPrecedence_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("expected");

    QTest::newRow("4: both radii") << "a=3 b=2"
                                   << "a b"
                                   << "S=18.84955592153876 C=16.01904224441409";
    QTest::newRow("4: both radii overwrite the area") << "a=3 b=2 S=50"
                                                      << "a b"
                                                      << "S=18.84955592153876";
    QTest::newRow("5: radius a and area") << "a=2 S=10"
                                          << "a S"
                                          << "b=1.5915494309189535 C=11.35591630863467";
    QTest::newRow("1: radius b and area") << "b=2 S=10"
                                          << "b S"
                                          << "a=1.5915494309189535 C=11.35591630863467";
    QTest::newRow("a circle's circumference is exact") << "a=1 b=1"
                                                       << "a b"
                                                       << "C=6.283185307179586";
}

void EllipseSolverTest::solvesEachCaseInPrecedence()
{
    QFETCH(QString, given);
    QFETCH(QString, marked);
    QFETCH(QString, expected);
    const std::vector<double> in = NamedValues::parse(given, names);
    const SolveOutcome outcome = EllipseSolver::solve(
        in[EllipseSolver::Area], in[EllipseSolver::RadiusA], in[EllipseSolver::RadiusB]);
    const Solution* solution = solutionOf(outcome);
    QVERIFY(solution);
    QCOMPARE(solution->given, NamedValues::marks(marked, names));
    const QString wrong = NamedValues::mismatch(solution->values, expected, names);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void EllipseSolverTest::refusesWithoutTwoDefiningValues_data()
{
    QTest::addColumn<double>("area");
    QTest::addColumn<double>("radiusA");
    QTest::addColumn<double>("radiusB");
    QTest::newRow("2: area alone") << 10.0 << 0.0 << 0.0;
    QTest::newRow("3: radius b alone") << 0.0 << 0.0 << 2.0;
    QTest::newRow("3: nothing") << 0.0 << 0.0 << 0.0;
    QTest::newRow("6: radius a alone") << 0.0 << 3.0 << 0.0;
}

void EllipseSolverTest::refusesWithoutTwoDefiningValues()
{
    QFETCH(double, area);
    QFETCH(double, radiusA);
    QFETCH(double, radiusB);
    const SolveOutcome outcome = EllipseSolver::solve(area, radiusA, radiusB);
    const Refusal* refusal = refusalOf(outcome);
    QVERIFY(refusal);
    QCOMPARE(refusal->messageKey, notEnoughParametersMessage);
}

QTEST_APPLESS_MAIN(EllipseSolverTest)
#include "tst_EllipseSolver.moc"
