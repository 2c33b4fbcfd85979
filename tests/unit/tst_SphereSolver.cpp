#include "shapes3d/SphereSolver.h"
#include "support/SolutionChecks.h"

#include <QTest>

using P = SphereSolver;
using Values = QList<double>;
using Marks = QList<int>;

class SphereSolverTest : public QObject {
    Q_OBJECT
private slots:
    void solvesEachCaseInPrecedence_data();
    void solvesEachCaseInPrecedence();
    void refusesWhenNothingIsEntered();
};

void SphereSolverTest::solvesEachCaseInPrecedence_data()
{
    // Fields: radius, diameter, volume, surface.
    QTest::addColumn<Values>("entered");
    QTest::addColumn<Values>("expected");
    QTest::addColumn<Marks>("marked");
    const Values unit{1, 2, 4.1887902047863905, 12.566370614359172};

    QTest::newRow("radius") << Values{1, 0, 0, 0} << unit << Marks{P::Radius};
    QTest::newRow("radius overwrites the diameter")
        << Values{1, 5, 0, 0} << unit << Marks{P::Radius};
    QTest::newRow("diameter") << Values{0, 3, 0, 0}
                              << Values{1.5, 3, 14.137166941154069, 28.274333882308138}
                              << Marks{P::Diameter};
    QTest::newRow("volume") << Values{0, 0, 100, 0}
                            << Values{2.8794119115, 5.758823823, 100, 104.18794157}
                            << Marks{P::Volume};
    QTest::newRow("volume wins over surface")
        << Values{0, 0, 100, 50} << Values{2.8794119115, 5.758823823, 100, 104.18794157}
        << Marks{P::Volume};
    QTest::newRow("surface") << Values{0, 0, 0, 100}
                             << Values{2.8209479177387813, 5.6418958355, 94.031597258, 100}
                             << Marks{P::Surface};
    QTest::newRow("a negative volume has a negative radius")
        << Values{0, 0, -100, 0} << Values{-2.8794119115, -5.758823823, -100, 104.18794157}
        << Marks{P::Volume};
}

void SphereSolverTest::solvesEachCaseInPrecedence()
{
    QFETCH(Values, entered);
    QFETCH(Values, expected);
    QFETCH(Marks, marked);
    SolutionChecks::verifySolution(P::solve(entered[1], entered[0], entered[3], entered[2]),
                                   expected, marked);
}

void SphereSolverTest::refusesWhenNothingIsEntered()
{
    SolutionChecks::verifyRefusal(P::solve(0, 0, 0, 0), notEnoughParametersMessage, qQNaN());
}

QTEST_APPLESS_MAIN(SphereSolverTest)
#include "tst_SphereSolver.moc"
