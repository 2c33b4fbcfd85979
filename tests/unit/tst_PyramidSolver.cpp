#include "shapes3d/PyramidSolver.h"
#include "support/SolutionChecks.h"

#include <QTest>

using P = PyramidSolver;
using Values = QList<double>;
using Marks = QList<int>;

class PyramidSolverTest : public QObject {
    Q_OBJECT
private slots:
    void solvesEachCaseInPrecedence_data();
    void solvesEachCaseInPrecedence();
    void refuses_data();
    void refuses();

private:
    // The surface field is never read.
    static SolveOutcome run(const Values& v) { return P::solve(v[0], v[1], v[2], v[3]); }
};

void PyramidSolverTest::solvesEachCaseInPrecedence_data()
{
    // Fields: a, b, height, volume, surface.
    QTest::addColumn<Values>("entered");
    QTest::addColumn<Values>("expected");
    QTest::addColumn<Marks>("marked");
    const Values solved{3, 4, 6, 24, 55.71229971471624};

    QTest::newRow("a, b, height") << Values{3, 4, 6, 0, 0} << solved
                                  << Marks{P::SideA, P::SideB, P::Height};
    QTest::newRow("a, b, height overwrite the volume")
        << Values{3, 4, 6, 100, 0} << solved << Marks{P::SideA, P::SideB, P::Height};
    QTest::newRow("a, b, volume") << Values{3, 4, 0, 24, 0} << solved
                                  << Marks{P::SideA, P::SideB, P::Volume};
    QTest::newRow("a, height, volume")
        << Values{3, 0, 6, 24, 0} << solved << Marks{P::SideA, P::Height, P::Volume};
    QTest::newRow("b, height, volume")
        << Values{0, 4, 6, 24, 0} << solved << Marks{P::SideB, P::Height, P::Volume};
    // Unequal sides catch a surface whose two face pairs are swapped.
    QTest::newRow("flat base") << Values{10, 2, 1, 0, 0}
                               << Values{10, 2, 1, 20.0 / 3,
                                         std::sqrt(2.0) * 10 + std::sqrt(26.0) * 2 + 20}
                               << Marks{P::SideA, P::SideB, P::Height};
}

void PyramidSolverTest::solvesEachCaseInPrecedence()
{
    QFETCH(Values, entered);
    QFETCH(Values, expected);
    QFETCH(Marks, marked);
    SolutionChecks::verifySolution(run(entered), expected, marked);
}

void PyramidSolverTest::refuses_data()
{
    QTest::addColumn<Values>("entered");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("bound");
    const QString notEnough = notEnoughParametersMessage;

    QTest::newRow("a, b and a surface") << Values{3, 4, 0, 0, 55} << notEnough << qQNaN();
    QTest::newRow("height and volume") << Values{0, 0, 6, 24, 0} << notEnough << qQNaN();
    QTest::newRow("nothing") << Values{0, 0, 0, 0, 0} << notEnough << qQNaN();
}

void PyramidSolverTest::refuses()
{
    QFETCH(Values, entered);
    QFETCH(QString, message);
    QFETCH(double, bound);
    SolutionChecks::verifyRefusal(run(entered), qPrintable(message), bound);
}

QTEST_APPLESS_MAIN(PyramidSolverTest)
#include "tst_PyramidSolver.moc"
