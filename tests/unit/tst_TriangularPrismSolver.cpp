#include "shapes3d/TriangleArea.h"
#include "shapes3d/TriangularPrismSolver.h"
#include "support/SolutionChecks.h"

#include <QTest>

using P = TriangularPrismSolver;
using Values = QList<double>;
using Marks = QList<int>;

class TriangularPrismSolverTest : public QObject {
    Q_OBJECT
private slots:
    void solvesEachCaseInPrecedence_data();
    void solvesEachCaseInPrecedence();
    void refuses_data();
    void refuses();
    void exactSidesGiveAnExactArea_data();
    void exactSidesGiveAnExactArea();

private:
    static SolveOutcome run(const Values& v)
    {
        return P::solve(v[0], v[1], v[2], v[3], v[4], v[5]);
    }
};

void TriangularPrismSolverTest::solvesEachCaseInPrecedence_data()
{
    // Fields: a, b, c, height, volume, surface.
    QTest::addColumn<Values>("entered");
    QTest::addColumn<Values>("expected");
    QTest::addColumn<Marks>("marked");
    const Values prism{3, 4, 5, 10, 60, 132};
    const Marks sides{P::SideA, P::SideB, P::SideC};

    QTest::newRow("sides, height")
        << Values{3, 4, 5, 10, 0, 0} << prism << (sides + Marks{P::Height});
    QTest::newRow("height wins over volume")
        << Values{3, 4, 5, 10, 99, 0} << prism << (sides + Marks{P::Height});
    QTest::newRow("sides, volume")
        << Values{3, 4, 5, 0, 60, 0} << prism << (sides + Marks{P::Volume});
    QTest::newRow("volume wins over surface")
        << Values{3, 4, 5, 0, 60, 7} << prism << (sides + Marks{P::Volume});
    QTest::newRow("sides, surface")
        << Values{3, 4, 5, 0, 0, 132} << prism << (sides + Marks{P::Surface});
    QTest::newRow("obtuse base") << Values{3, 4, 2, 1, 0, 0}
                                 << Values{3, 4, 2, 1, 2.9047375096555625, 14.809475019311126}
                                 << (sides + Marks{P::Height});
    QTest::newRow("a missing") << Values{0, 4, 5, 10, 60, 0} << prism
                               << Marks{P::SideB, P::SideC, P::Height, P::Volume};
    QTest::newRow("b missing") << Values{3, 0, 5, 10, 60, 0} << prism
                               << Marks{P::SideA, P::SideC, P::Height, P::Volume};
    QTest::newRow("c missing, surface overwritten")
        << Values{3, 4, 0, 10, 60, 7} << prism << Marks{P::SideA, P::SideB, P::Height, P::Volume};
    // The largest volume the two sides hold: a right angle between them.
    QTest::newRow("a missing, right angle")
        << Values{0, 4, 5, 10, 100, 0}
        << Values{std::sqrt(41.0), 4, 5, 10, 100, (std::sqrt(41.0) + 9) * 10 + 20}
        << Marks{P::SideB, P::SideC, P::Height, P::Volume};
}

void TriangularPrismSolverTest::solvesEachCaseInPrecedence()
{
    QFETCH(Values, entered);
    QFETCH(Values, expected);
    QFETCH(Marks, marked);
    SolutionChecks::verifySolution(run(entered), expected, marked);
}

void TriangularPrismSolverTest::refuses_data()
{
    QTest::addColumn<Values>("entered");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("bound");
    const QString notEnough = notEnoughParametersMessage;
    const QString volumeTooLarge = P::volumeTooLargeMessage;

    // Twice the 3-4-5 base is exactly 12: equality must be refused, not solved with a
    // height of a few ulps.
    QTest::newRow("surface equal to both bases")
        << Values{3, 4, 5, 0, 0, 12} << QString(P::baseAreasMessage) << 12.0;
    QTest::newRow("surface below both bases")
        << Values{3, 4, 5, 0, 0, 11} << QString(P::baseAreasMessage) << 12.0;
    QTest::newRow("a too long") << Values{10, 3, 4, 0, 0, 0} << QString(P::sideAMessage) << 10.0;
    QTest::newRow("b too long") << Values{3, 10, 4, 1, 0, 0} << QString(P::sideBMessage) << 10.0;
    QTest::newRow("c flat") << Values{3, 4, 7, 1, 0, 0} << QString(P::sideCMessage) << 7.0;
    QTest::newRow("a flat while missing its height")
        << Values{9, 4, 5, 0, 0, 0} << QString(P::sideAMessage) << 9.0;
    QTest::newRow("a missing, volume too large")
        << Values{0, 4, 5, 10, 101, 0} << volumeTooLarge << 100.0;
    QTest::newRow("b missing, volume too large")
        << Values{3, 0, 5, 2, 16, 0} << volumeTooLarge << 15.0;
    QTest::newRow("c missing, volume too large")
        << Values{3, 4, 0, 1, 7, 0} << volumeTooLarge << 6.0;
    QTest::newRow("a missing, no height") << Values{0, 4, 5, 0, 60, 0} << notEnough << qQNaN();
    QTest::newRow("b missing, no volume") << Values{3, 0, 5, 10, 0, 132} << notEnough << qQNaN();
    QTest::newRow("sides only") << Values{3, 4, 5, 0, 0, 0} << notEnough << qQNaN();
    QTest::newRow("nothing") << Values{0, 0, 0, 0, 0, 0} << notEnough << qQNaN();
}

void TriangularPrismSolverTest::refuses()
{
    QFETCH(Values, entered);
    QFETCH(QString, message);
    QFETCH(double, bound);
    SolutionChecks::verifyRefusal(run(entered), qPrintable(message), bound);
}

void TriangularPrismSolverTest::exactSidesGiveAnExactArea_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("area");
    QTest::newRow("3-4-5") << 3.0 << 4.0 << 5.0 << 6.0;
    QTest::newRow("5-3-4") << 5.0 << 3.0 << 4.0 << 6.0;
    QTest::newRow("13-14-15") << 13.0 << 14.0 << 15.0 << 84.0;
    QTest::newRow("halves") << 1.5 << 2.0 << 2.5 << 1.5;
    QTest::newRow("negative b turns the area") << 3.0 << -4.0 << 5.0 << -6.0;
}

void TriangularPrismSolverTest::exactSidesGiveAnExactArea()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(double, area);
    QVERIFY(TriangleArea::fromSides(a, b, c) == area);
}

QTEST_APPLESS_MAIN(TriangularPrismSolverTest)
#include "tst_TriangularPrismSolver.moc"
