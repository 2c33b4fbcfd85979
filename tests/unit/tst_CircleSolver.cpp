#include "shapes2d/CircleSolver.h"

#include <QTest>

#include <cmath>

class CircleSolverTest : public QObject {
    Q_OBJECT
private slots:
    void solvesEachCaseInPrecedence_data();
    void solvesEachCaseInPrecedence();
    void refusesWhenNothingIsEntered();
    void negativeAreaGivesNotANumberRadius();
    void notANumberCountsAsEntered();
};

void CircleSolverTest::solvesEachCaseInPrecedence_data()
{
    QTest::addColumn<double>("area");
    QTest::addColumn<double>("radius");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("circumference");
    QTest::addColumn<int>("marked");
    QTest::addColumn<double>("expectedRadius");
    QTest::addColumn<double>("expectedDiameter");
    QTest::addColumn<double>("expectedArea");
    QTest::addColumn<double>("expectedCircumference");

    QTest::newRow("radius 1") << 0.0 << 1.0 << 0.0 << 0.0 << int(CircleSolver::Radius) << 1.0 << 2.0
                              << 3.141592653589793 << 6.283185307179586;
    QTest::newRow("diameter 5") << 0.0 << 0.0 << 5.0 << 0.0 << int(CircleSolver::Diameter) << 2.5
                                << 5.0 << 19.634954084936208 << 15.707963267948966;
    QTest::newRow("area 10") << 10.0 << 0.0 << 0.0 << 0.0 << int(CircleSolver::Area)
                             << 1.7841241161527712 << 3.5682482323055424 << 10.0
                             << 11.209982432795858;
    QTest::newRow("circumference 10")
        << 0.0 << 0.0 << 0.0 << 10.0 << int(CircleSolver::Circumference) << 1.5915494309189535
        << 3.183098861837907 << 7.957747154594768 << 10.0;
    QTest::newRow("diameter wins over area")
        << 10.0 << 0.0 << 4.0 << 0.0 << int(CircleSolver::Diameter) << 2.0 << 4.0
        << 12.566370614359172 << 12.566370614359172;
    QTest::newRow("radius wins over circumference")
        << 0.0 << 3.0 << 0.0 << 100.0 << int(CircleSolver::Radius) << 3.0 << 6.0
        << 28.274333882308138 << 18.84955592153876;
}

void CircleSolverTest::solvesEachCaseInPrecedence()
{
    QFETCH(double, area);
    QFETCH(double, radius);
    QFETCH(double, diameter);
    QFETCH(double, circumference);
    QFETCH(int, marked);

    const SolveOutcome outcome = CircleSolver::solve(area, radius, diameter, circumference);
    const Solution* solution = solutionOf(outcome);
    QVERIFY(solution);
    for (int field = 0; field < CircleSolver::FieldCount; ++field)
        QCOMPARE(bool(solution->given[size_t(field)]), field == marked);
    QTEST(solution->values[CircleSolver::Radius], "expectedRadius");
    QTEST(solution->values[CircleSolver::Diameter], "expectedDiameter");
    QTEST(solution->values[CircleSolver::Area], "expectedArea");
    QTEST(solution->values[CircleSolver::Circumference], "expectedCircumference");
}

void CircleSolverTest::refusesWhenNothingIsEntered()
{
    const SolveOutcome outcome = CircleSolver::solve(0, 0, 0, 0);
    const Refusal* refusal = refusalOf(outcome);
    QVERIFY(refusal);
    QCOMPARE(QString::fromUtf8(refusal->messageKey),
             QString("Not enough parameters to complete the calculations.\rPlease enter more "
                     "values."));
    QVERIFY(!refusal->bound);
}

void CircleSolverTest::negativeAreaGivesNotANumberRadius()
{
    const SolveOutcome outcome = CircleSolver::solve(-4, 0, 0, 0);
    const Solution* solution = solutionOf(outcome);
    QVERIFY(solution);
    QVERIFY(std::isnan(solution->values[CircleSolver::Radius]));
}

void CircleSolverTest::notANumberCountsAsEntered()
{
    const SolveOutcome outcome = CircleSolver::solve(10, qQNaN(), 0, 0);
    const Solution* solution = solutionOf(outcome);
    QVERIFY(solution);
    QVERIFY(solution->given[CircleSolver::Radius]);
}

QTEST_APPLESS_MAIN(CircleSolverTest)
#include "tst_CircleSolver.moc"
