#include "shapes3d/TrapezoidalPrismSolver.h"
#include "support/SolutionChecks.h"

#include <QTest>

using P = TrapezoidalPrismSolver;
using Values = QList<double>;
using Marks = QList<int>;

class TrapezoidalPrismSolverTest : public QObject {
    Q_OBJECT
private slots:
    void solvesEachCaseInPrecedence_data();
    void solvesEachCaseInPrecedence();
    void refuses_data();
    void refuses();

private:
    // Side d (index 3) is never read.
    static SolveOutcome run(const Values& v)
    {
        return P::solve(v[0], v[1], v[2], v[4], v[5], v[6], v[7]);
    }
};

void TrapezoidalPrismSolverTest::solvesEachCaseInPrecedence_data()
{
    // Fields: a, b, c, d, angle B, height, volume, surface.
    QTest::addColumn<Values>("entered");
    QTest::addColumn<Values>("expected");
    QTest::addColumn<Marks>("marked");
    const double d = 2.82842712474619;
    const double surface = 168.2842712474619;
    const Values prism{6, 2, 4, d, 90, 10, 100, surface};
    const Marks base{P::SideA, P::SideB, P::SideC, P::AngleB};

    QTest::newRow("height") << Values{6, 2, 4, 0, 90, 10, 0, 0} << prism
                            << (base + Marks{P::Height});
    QTest::newRow("height wins over volume")
        << Values{6, 2, 4, 0, 90, 10, 55, 0} << prism << (base + Marks{P::Height});
    QTest::newRow("a typed side d is ignored")
        << Values{6, 2, 4, 99, 90, 10, 0, 0} << prism << (base + Marks{P::Height});
    QTest::newRow("volume") << Values{6, 2, 4, 0, 90, 0, 100, 0} << prism
                            << (base + Marks{P::Volume});
    QTest::newRow("volume wins over surface")
        << Values{6, 2, 4, 0, 90, 0, 100, 7} << prism << (base + Marks{P::Volume});
    QTest::newRow("surface") << Values{6, 2, 4, 0, 90, 0, 0, surface} << prism
                             << (base + Marks{P::Surface});
    // At 60 degrees the leg b covers part of the run that d spans; at 90 it covers none.
    QTest::newRow("acute angle")
        << Values{5, 2, 3, 0, 60, 1, 0, 0}
        << Values{5, 2, 3, 2, 60, 1, 6.928203230275509, 12 + 13.856406460551018}
        << (base + Marks{P::Height});
}

void TrapezoidalPrismSolverTest::solvesEachCaseInPrecedence()
{
    QFETCH(Values, entered);
    QFETCH(Values, expected);
    QFETCH(Marks, marked);
    SolutionChecks::verifySolution(run(entered), expected, marked);
}

void TrapezoidalPrismSolverTest::refuses_data()
{
    QTest::addColumn<Values>("entered");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("bound");
    const QString notEnough = notEnoughParametersMessage;
    const QString angle = P::angleMessage;

    QTest::newRow("surface below both bases")
        << Values{5, 2, 3, 0, 60, 0, 0, 13} << QString(P::baseAreasMessage) << 13.856406460551018;
    QTest::newRow("straight angle alone") << Values{0, 0, 0, 0, 180, 0, 0, 0} << angle << qQNaN();
    QTest::newRow("reflex angle with a full base")
        << Values{6, 2, 4, 0, 200, 10, 0, 0} << angle << qQNaN();
    QTest::newRow("angle missing") << Values{6, 2, 4, 0, 0, 10, 0, 0} << notEnough << qQNaN();
    QTest::newRow("c missing") << Values{6, 2, 0, 0, 90, 10, 0, 0} << notEnough << qQNaN();
    QTest::newRow("base only") << Values{6, 2, 4, 0, 90, 0, 0, 0} << notEnough << qQNaN();
    QTest::newRow("nothing") << Values{0, 0, 0, 0, 0, 0, 0, 0} << notEnough << qQNaN();
}

void TrapezoidalPrismSolverTest::refuses()
{
    QFETCH(Values, entered);
    QFETCH(QString, message);
    QFETCH(double, bound);
    SolutionChecks::verifyRefusal(run(entered), qPrintable(message), bound);
}

QTEST_APPLESS_MAIN(TrapezoidalPrismSolverTest)
#include "tst_TrapezoidalPrismSolver.moc"
