#include "shapes3d/RectangularPrismSolver.h"
#include "support/SolutionChecks.h"

#include <QTest>

using P = RectangularPrismSolver;
using Values = QList<double>;
using Marks = QList<int>;

class RectangularPrismSolverTest : public QObject {
    Q_OBJECT
private slots:
    void solvesEachCaseInPrecedence_data();
    void solvesEachCaseInPrecedence();
    void refuses_data();
    void refuses();

private:
    static SolveOutcome run(const Values& v) { return P::solve(v[0], v[1], v[2], v[3], v[4]); }
};

void RectangularPrismSolverTest::solvesEachCaseInPrecedence_data()
{
    // Fields: a, b, h, volume, surface.
    QTest::addColumn<Values>("entered");
    QTest::addColumn<Values>("expected");
    QTest::addColumn<Marks>("marked");
    const Values box{2, 3, 4, 24, 52};

    QTest::newRow("three edges") << Values{2, 3, 4, 0, 0} << box
                                 << Marks{P::SideA, P::SideB, P::Height};
    QTest::newRow("three edges overwrite volume and surface")
        << Values{2, 3, 4, 99, 99} << box << Marks{P::SideA, P::SideB, P::Height};
    QTest::newRow("volume, a, b") << Values{2, 3, 0, 24, 0} << box
                                  << Marks{P::Volume, P::SideA, P::SideB};
    QTest::newRow("volume wins over surface with a, b")
        << Values{2, 3, 0, 24, 7} << box << Marks{P::Volume, P::SideA, P::SideB};
    QTest::newRow("surface, a, b")
        << Values{2, 3, 0, 0, 52} << box << Marks{P::Surface, P::SideA, P::SideB};
    QTest::newRow("volume, h, a") << Values{2, 0, 4, 24, 0} << box
                                  << Marks{P::Volume, P::Height, P::SideA};
    QTest::newRow("volume wins over surface with h, a")
        << Values{2, 0, 4, 24, 7} << box << Marks{P::Volume, P::Height, P::SideA};
    QTest::newRow("volume, h, b") << Values{0, 3, 4, 24, 0} << box
                                  << Marks{P::Volume, P::Height, P::SideB};
    QTest::newRow("surface, h, a")
        << Values{2, 0, 4, 0, 52} << box << Marks{P::Surface, P::Height, P::SideA};
    QTest::newRow("surface, h, b")
        << Values{0, 3, 4, 0, 52} << box << Marks{P::Surface, P::Height, P::SideB};
    QTest::newRow("not a number counts as entered")
        << Values{qQNaN(), 3, 4, 0, 0} << Values{qQNaN(), 3, 4, qQNaN(), qQNaN()}
        << Marks{P::SideA, P::SideB, P::Height};
}

void RectangularPrismSolverTest::solvesEachCaseInPrecedence()
{
    QFETCH(Values, entered);
    QFETCH(Values, expected);
    QFETCH(Marks, marked);
    SolutionChecks::verifySolution(run(entered), expected, marked);
}

void RectangularPrismSolverTest::refuses_data()
{
    QTest::addColumn<Values>("entered");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("bound");
    const QString notEnough = notEnoughParametersMessage;

    QTest::newRow("surface equal to both bases")
        << Values{2, 3, 0, 0, 12} << QString(P::baseAreasMessage) << 12.0;
    QTest::newRow("surface below both bases")
        << Values{2, 3, 0, 0, 5} << QString(P::baseAreasMessage) << 12.0;
    QTest::newRow("surface equal to sides a, h")
        << Values{2, 0, 4, 0, 16} << QString(P::sideAreasMessage) << 16.0;
    QTest::newRow("surface below sides b, h")
        << Values{0, 3, 4, 0, 20} << QString(P::sideAreasMessage) << 24.0;
    QTest::newRow("volume and surface only") << Values{0, 0, 0, 24, 52} << notEnough << qQNaN();
    QTest::newRow("a and volume only") << Values{2, 0, 0, 24, 0} << notEnough << qQNaN();
    QTest::newRow("two edges only") << Values{2, 3, 0, 0, 0} << notEnough << qQNaN();
    QTest::newRow("nothing") << Values{0, 0, 0, 0, 0} << notEnough << qQNaN();
}

void RectangularPrismSolverTest::refuses()
{
    QFETCH(Values, entered);
    QFETCH(QString, message);
    QFETCH(double, bound);
    SolutionChecks::verifyRefusal(run(entered), qPrintable(message), bound);
}

QTEST_APPLESS_MAIN(RectangularPrismSolverTest)
#include "tst_RectangularPrismSolver.moc"
