#include "shapes2d/RectangleSolver.h"

#include "support/NamedValues.h"

#include <QTest>

#include <cmath>

namespace {
const QStringList names{"a", "b", "S", "P"}; // in RectangleSolver::Field order

SolveOutcome solveNamed(const QString& given)
{
    const std::vector<double> in = NamedValues::parse(given, names);
    return RectangleSolver::solve(in[RectangleSolver::Area], in[RectangleSolver::SideA],
                                  in[RectangleSolver::SideB], in[RectangleSolver::Perimeter]);
}
} // namespace

class RectangleSolverTest : public QObject {
    Q_OBJECT
private slots:
    void solvesEachCaseInPrecedence_data();
    void solvesEachCaseInPrecedence();
    void refuses_data();
    void refuses();
};

void RectangleSolverTest::solvesEachCaseInPrecedence_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("expected");

    QTest::newRow("1: both sides") << "a=3 b=4"
                                   << "a b"
                                   << "a=3 b=4 S=12 P=14";
    QTest::newRow("1: both sides overwrite area and perimeter") << "a=3 b=4 S=50 P=50"
                                                                << "a b"
                                                                << "S=12 P=14";
    QTest::newRow("2: a and area") << "a=3 S=12"
                                   << "a S"
                                   << "b=4 P=14";
    QTest::newRow("2: a and area win over the perimeter") << "a=3 S=12 P=100"
                                                          << "a S"
                                                          << "P=14";
    QTest::newRow("3: a and perimeter") << "a=3 P=14"
                                        << "a P"
                                        << "b=4 S=12";
    QTest::newRow("3: just above twice a") << "a=3 P=6.5"
                                           << "a P"
                                           << "b=0.25 S=0.75";
    QTest::newRow("5: b and area") << "b=4 S=12"
                                   << "b S"
                                   << "a=3 P=14";
    QTest::newRow("6: b and perimeter") << "b=4 P=14"
                                        << "b P"
                                        << "a=3 S=12";
}

void RectangleSolverTest::solvesEachCaseInPrecedence()
{
    QFETCH(QString, given);
    QFETCH(QString, marked);
    QFETCH(QString, expected);
    const SolveOutcome outcome = solveNamed(given);
    const Solution* solution = solutionOf(outcome);
    QVERIFY(solution);
    QCOMPARE(solution->given, NamedValues::marks(marked, names));
    const QString wrong = NamedValues::mismatch(solution->values, expected, names);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void RectangleSolverTest::refuses_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("bound"); // not a number: the message has no bound

    const QString notEnough = notEnoughParametersMessage;
    const QString sideA = RectangleSolver::perimeterSideAMessage;
    const QString sideB = RectangleSolver::perimeterSideBMessage;
    QTest::newRow("nothing") << "" << notEnough << qQNaN();
    QTest::newRow("4: a alone") << "a=3" << notEnough << qQNaN();
    QTest::newRow("7: b alone") << "b=3" << notEnough << qQNaN();
    QTest::newRow("8: area and perimeter without a side") << "S=12 P=14" << notEnough << qQNaN();
    QTest::newRow("3: perimeter equal to twice a") << "a=3 P=6" << sideA << 6.0;
    QTest::newRow("3: perimeter not a number") << "a=3.75 P=nan" << sideA << 7.5;
    QTest::newRow("6: perimeter equal to twice b") << "b=4 P=8" << sideB << 8.0;
    QTest::newRow("6: perimeter below twice b") << "b=4 P=1" << sideB << 8.0;
}

void RectangleSolverTest::refuses()
{
    QFETCH(QString, given);
    QFETCH(QString, message);
    QFETCH(double, bound);
    const SolveOutcome outcome = solveNamed(given);
    const Refusal* refusal = refusalOf(outcome);
    QVERIFY(refusal);
    QCOMPARE(QString::fromUtf8(refusal->messageKey), message);
    QCOMPARE(refusal->bound.has_value(), !std::isnan(bound));
    if (refusal->bound)
        QCOMPARE(*refusal->bound, bound);
}

QTEST_APPLESS_MAIN(RectangleSolverTest)
#include "tst_RectangleSolver.moc"
