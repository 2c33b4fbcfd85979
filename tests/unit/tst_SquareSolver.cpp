#include "shapes2d/SquareSolver.h"

#include "support/NamedValues.h"

#include <QTest>

namespace {
const QStringList names{"a", "S", "P"}; // in SquareSolver::Field order
}

class SquareSolverTest : public QObject {
    Q_OBJECT
private slots:
    void solvesTheFirstEnteredValue_data();
    void solvesTheFirstEnteredValue();
    void refusesWhenNothingIsEntered();
};

void SquareSolverTest::solvesTheFirstEnteredValue_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("expected");

    QTest::newRow("side") << "a=3"
                          << "a"
                          << "a=3 S=9 P=12";
    QTest::newRow("area") << "S=2"
                          << "S"
                          << "a=1.4142135623730951 S=2 P=5.656854249492381";
    QTest::newRow("perimeter") << "P=10"
                               << "P"
                               << "a=2.5 S=6.25 P=10";
    QTest::newRow("side wins, area overwritten") << "a=3 S=100"
                                                 << "a"
                                                 << "a=3 S=9 P=12";
    QTest::newRow("area wins over perimeter") << "S=4 P=100"
                                              << "S"
                                              << "a=2 S=4 P=8";
    QTest::newRow("negative side goes through") << "a=-2"
                                                << "a"
                                                << "a=-2 S=4 P=-8";
}

void SquareSolverTest::solvesTheFirstEnteredValue()
{
    QFETCH(QString, given);
    QFETCH(QString, marked);
    QFETCH(QString, expected);
    const std::vector<double> in = NamedValues::parse(given, names);
    const SolveOutcome outcome = SquareSolver::solve(in[SquareSolver::Area], in[SquareSolver::Side],
                                                     in[SquareSolver::Perimeter]);
    const Solution* solution = solutionOf(outcome);
    QVERIFY(solution);
    QCOMPARE(solution->given, NamedValues::marks(marked, names));
    const QString wrong = NamedValues::mismatch(solution->values, expected, names);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void SquareSolverTest::refusesWhenNothingIsEntered()
{
    const SolveOutcome outcome = SquareSolver::solve(0, 0, 0);
    const Refusal* refusal = refusalOf(outcome);
    QVERIFY(refusal);
    QCOMPARE(refusal->messageKey, notEnoughParametersMessage);
}

QTEST_APPLESS_MAIN(SquareSolverTest)
#include "tst_SquareSolver.moc"
