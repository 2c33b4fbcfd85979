#include "shapes3d/ConeSolver.h"
#include "support/SolutionChecks.h"

#include <QTest>

using P = ConeSolver;
using Values = QList<double>;
using Marks = QList<int>;

class ConeSolverTest : public QObject {
    Q_OBJECT
private slots:
    void solvesEachCaseInPrecedence_data();
    void solvesEachCaseInPrecedence();
    void refuses_data();
    void refuses();

private:
    // The surface field is never read.
    static SolveOutcome run(const Values& v) { return P::solve(v[2], v[1], v[0], v[3]); }
};

void ConeSolverTest::solvesEachCaseInPrecedence_data()
{
    // Fields: radius, height, slant height, volume, surface.
    QTest::addColumn<Values>("entered");
    QTest::addColumn<Values>("expected");
    QTest::addColumn<Marks>("marked");
    const double volume = 37.69911184307752;
    const Values solved{3, 4, 5, volume, 75.39822368615503};

    QTest::newRow("radius, height")
        << Values{3, 4, 0, 0, 0} << solved << Marks{P::Radius, P::Height};
    QTest::newRow("radius, height overwrite the slant height")
        << Values{3, 4, 9, 0, 0} << solved << Marks{P::Radius, P::Height};
    QTest::newRow("radius, slant height")
        << Values{3, 0, 5, 0, 0} << solved << Marks{P::Radius, P::SlantHeight};
    QTest::newRow("slant height wins over volume")
        << Values{3, 0, 5, 99, 0} << solved << Marks{P::Radius, P::SlantHeight};
    QTest::newRow("slant height, height")
        << Values{0, 4, 5, 0, 0} << solved << Marks{P::SlantHeight, P::Height};
    QTest::newRow("radius, volume")
        << Values{3, 0, 0, volume, 0} << solved << Marks{P::Radius, P::Volume};
    QTest::newRow("height, volume")
        << Values{0, 4, 0, volume, 0} << solved << Marks{P::Height, P::Volume};
    QTest::newRow("a typed surface is ignored")
        << Values{3, 4, 0, 0, 999} << solved << Marks{P::Radius, P::Height};
}

void ConeSolverTest::solvesEachCaseInPrecedence()
{
    QFETCH(Values, entered);
    QFETCH(Values, expected);
    QFETCH(Marks, marked);
    SolutionChecks::verifySolution(run(entered), expected, marked);
}

void ConeSolverTest::refuses_data()
{
    QTest::addColumn<Values>("entered");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("bound");
    const QString notEnough = notEnoughParametersMessage;

    QTest::newRow("slant height equal to radius")
        << Values{3, 0, 3, 0, 0} << QString(P::slantNotOverRadiusMessage) << 3.0;
    QTest::newRow("slant height below radius")
        << Values{3, 0, 2, 50, 0} << QString(P::slantNotOverRadiusMessage) << 3.0;
    QTest::newRow("slant height equal to height")
        << Values{0, 4, 4, 0, 0} << QString(P::slantNotOverHeightMessage) << 4.0;
    QTest::newRow("slant height and volume") << Values{0, 0, 5, 37, 0} << notEnough << qQNaN();
    QTest::newRow("surface only") << Values{0, 0, 0, 0, 75} << notEnough << qQNaN();
    QTest::newRow("nothing") << Values{0, 0, 0, 0, 0} << notEnough << qQNaN();
}

void ConeSolverTest::refuses()
{
    QFETCH(Values, entered);
    QFETCH(QString, message);
    QFETCH(double, bound);
    SolutionChecks::verifyRefusal(run(entered), qPrintable(message), bound);
}

QTEST_APPLESS_MAIN(ConeSolverTest)
#include "tst_ConeSolver.moc"
