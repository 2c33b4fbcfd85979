#include "shapes3d/CylinderSolver.h"
#include "support/SolutionChecks.h"

#include <QTest>

#include <numbers>

using P = CylinderSolver;
using Values = QList<double>;
using Marks = QList<int>;

class CylinderSolverTest : public QObject {
    Q_OBJECT
private slots:
    void solvesEachCaseInPrecedence_data();
    void solvesEachCaseInPrecedence();
    void refuses_data();
    void refuses();

private:
    static SolveOutcome run(const Values& v) { return P::solve(v[1], v[2], v[0], v[3]); }
};

void CylinderSolverTest::solvesEachCaseInPrecedence_data()
{
    // Fields: radius, height, volume, surface.
    QTest::addColumn<Values>("entered");
    QTest::addColumn<Values>("expected");
    QTest::addColumn<Marks>("marked");
    const double volume = 6.283185307179586;
    const double surface = 18.84955592153876;
    const Values solved{1, 2, volume, surface};

    QTest::newRow("radius, height") << Values{1, 2, 0, 0} << solved << Marks{P::Radius, P::Height};
    QTest::newRow("radius, height overwrite the surface")
        << Values{1, 2, 0, 99} << solved << Marks{P::Radius, P::Height};
    QTest::newRow("volume, radius")
        << Values{1, 0, volume, 0} << solved << Marks{P::Volume, P::Radius};
    QTest::newRow("volume wins over surface")
        << Values{1, 0, volume, 99} << solved << Marks{P::Volume, P::Radius};
    QTest::newRow("surface, radius")
        << Values{1, 0, 0, surface} << solved << Marks{P::Surface, P::Radius};
    QTest::newRow("volume, height")
        << Values{0, 2, volume, 0} << solved << Marks{P::Volume, P::Height};
}

void CylinderSolverTest::solvesEachCaseInPrecedence()
{
    QFETCH(Values, entered);
    QFETCH(Values, expected);
    QFETCH(Marks, marked);
    SolutionChecks::verifySolution(run(entered), expected, marked);
}

void CylinderSolverTest::refuses_data()
{
    QTest::addColumn<Values>("entered");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("bound");
    const QString notEnough = notEnoughParametersMessage;
    const double bases = 2 * std::numbers::pi;

    QTest::newRow("surface below both bases")
        << Values{1, 0, 0, 6} << QString(P::baseAreasMessage) << bases;
    QTest::newRow("surface equal to both bases")
        << Values{1, 0, 0, bases} << QString(P::baseAreasMessage) << bases;
    QTest::newRow("surface and height") << Values{0, 2, 0, 18} << notEnough << qQNaN();
    QTest::newRow("volume and surface") << Values{0, 0, 6, 18} << notEnough << qQNaN();
    QTest::newRow("radius only") << Values{1, 0, 0, 0} << notEnough << qQNaN();
    QTest::newRow("nothing") << Values{0, 0, 0, 0} << notEnough << qQNaN();
}

void CylinderSolverTest::refuses()
{
    QFETCH(Values, entered);
    QFETCH(QString, message);
    QFETCH(double, bound);
    SolutionChecks::verifyRefusal(run(entered), qPrintable(message), bound);
}

QTEST_APPLESS_MAIN(CylinderSolverTest)
#include "tst_CylinderSolver.moc"
