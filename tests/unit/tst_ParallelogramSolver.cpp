#include "shapes2d/ParallelogramSolver.h"

#include "support/NamedValues.h"

#include <QTest>

#include <cmath>

namespace {
const QStringList names{"a", "b", "A", "B", "H", "S", "P"}; // ParallelogramSolver::Field order
}

class ParallelogramSolverTest : public QObject {
    Q_OBJECT
private slots:
    void solvesEachCaseInPrecedence_data();
    void solvesEachCaseInPrecedence();
    void refuses_data();
    void refuses();
};

void ParallelogramSolverTest::solvesEachCaseInPrecedence_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("expected");

    // One figure reached through every case: a = 10, b = 4, A = 60.
    const QString figure = "a=10 b=4 A=60 B=120 H=3.4641 S=34.641 P=28";
    QTest::newRow("1: a b A") << "a=10 b=4 A=60"
                              << "a b A" << figure;
    QTest::newRow("2: a b B") << "a=10 b=4 B=120"
                              << "a b B" << figure;
    QTest::newRow("3: a A H") << "a=10 A=60 H=3.46410161514"
                              << "a A H" << figure;
    QTest::newRow("4: a B H") << "a=10 B=120 H=3.46410161514"
                              << "a B H" << figure;
    QTest::newRow("5: a A S") << "a=10 A=60 S=34.6410161514"
                              << "a A S" << figure;
    QTest::newRow("6: a B S") << "a=10 B=120 S=34.6410161514"
                              << "a B S" << figure;
    QTest::newRow("7: b B S") << "b=4 B=120 S=34.6410161514"
                              << "b B S" << figure;
    QTest::newRow("8: b A S") << "b=4 A=60 S=34.6410161514"
                              << "b A S" << figure;
    QTest::newRow("9: a A P") << "a=10 A=60 P=28"
                              << "a A P" << figure;
    QTest::newRow("10: a B P") << "a=10 B=120 P=28"
                               << "a B P" << figure;
    QTest::newRow("11: b A P") << "b=4 A=60 P=28"
                               << "b A P" << figure;
    QTest::newRow("12: b B P") << "b=4 B=120 P=28"
                               << "b B P" << figure;

    QTest::newRow("3: a A H example") << "a=10 A=60 H=3"
                                      << "a A H"
                                      << "b=3.4641 S=30 B=120 P=26.9282";
    QTest::newRow("6: a B S example") << "a=10 B=120 S=30"
                                      << "a B S"
                                      << "b=3.4641 H=3 A=60";
    QTest::newRow("8: b A S example") << "b=4 A=60 S=30"
                                      << "b A S"
                                      << "a=8.6603 H=3.4641 P=25.3205";
    QTest::newRow("9: a A P example") << "a=10 A=60 P=30"
                                      << "a A P"
                                      << "b=5 S=43.3013 H=4.3301";
    QTest::newRow("12: b B P example") << "b=4 B=45 P=30"
                                       << "b B P"
                                       << "a=11 A=135 S=31.1127 H=2.8284";
    QTest::newRow("everything entered: case 1 wins") << "a=10 b=4 A=60 B=10 H=99 S=99 P=99"
                                                     << "a b A" << figure;
    QTest::newRow("both angles with a and area: A wins") << "a=10 A=60 B=45 S=30"
                                                         << "a A S"
                                                         << "B=120";
    QTest::newRow("both angles with b and area: B wins") << "b=4 A=30 B=120 S=30"
                                                         << "b B S"
                                                         << "A=60 a=8.6603";
}

void ParallelogramSolverTest::solvesEachCaseInPrecedence()
{
    QFETCH(QString, given);
    QFETCH(QString, marked);
    QFETCH(QString, expected);
    const SolveOutcome outcome = ParallelogramSolver::solve(NamedValues::parse(given, names));
    const Solution* solution = solutionOf(outcome);
    QVERIFY(solution);
    QCOMPARE(solution->given, NamedValues::marks(marked, names));
    const QString wrong = NamedValues::mismatch(solution->values, expected, names);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void ParallelogramSolverTest::refuses_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("bound"); // not a number: the message has no bound

    const QString notEnough = notEnoughParametersMessage;
    const QString angle = ParallelogramSolver::angleMessage;
    QTest::newRow("nothing") << "" << notEnough << qQNaN();
    QTest::newRow("perimeter alone") << "P=30" << notEnough << qQNaN();
    QTest::newRow("two sides without an angle") << "a=10 b=4" << notEnough << qQNaN();
    QTest::newRow("side a and area") << "a=10 S=30" << notEnough << qQNaN();
    QTest::newRow("side a and height") << "a=10 H=3" << notEnough << qQNaN();
    QTest::newRow("side b, angle and height") << "b=4 A=60 H=3" << notEnough << qQNaN();
    QTest::newRow("area and height") << "A=60 S=30 H=3" << notEnough << qQNaN();
    QTest::newRow("angle A of 180") << "a=10 b=4 A=180" << angle << qQNaN();
    QTest::newRow("angle B above 180") << "a=10 b=4 B=200" << angle << qQNaN();
    QTest::newRow("9: perimeter below twice a")
        << "a=10 A=60 P=20" << QString(ParallelogramSolver::perimeterSideAMessage) << 20.0;
    QTest::newRow("11: perimeter equal to twice b")
        << "b=4 A=50 P=8" << QString(ParallelogramSolver::perimeterSideBMessage) << 8.0;
    QTest::newRow("12: perimeter below twice b")
        << "b=4 B=50 P=8" << QString(ParallelogramSolver::perimeterSideBMessage) << 8.0;
}

void ParallelogramSolverTest::refuses()
{
    QFETCH(QString, given);
    QFETCH(QString, message);
    QFETCH(double, bound);
    const SolveOutcome outcome = ParallelogramSolver::solve(NamedValues::parse(given, names));
    const Refusal* refusal = refusalOf(outcome);
    QVERIFY(refusal);
    QCOMPARE(QString::fromUtf8(refusal->messageKey), message);
    QCOMPARE(refusal->bound.has_value(), !std::isnan(bound));
    if (refusal->bound)
        QCOMPARE(*refusal->bound, bound);
}

QTEST_APPLESS_MAIN(ParallelogramSolverTest)
#include "tst_ParallelogramSolver.moc"
