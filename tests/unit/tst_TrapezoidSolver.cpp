#include "shapes2d/TrapezoidSolver.h"

#include "support/NamedValues.h"

#include <QTest>

#include <cmath>
#include <numbers>

namespace {

const QStringList names{"a", "b", "c", "d", "A", "B", "C", "D", "H", "S", "P"}; // Field order

// The 32 cases in precedence, written out independently of the solver's own table.
const char* const caseFields[32] = {
    "a d A B", "a b A B", "c d A B", "b c A B", "a d A C", "a b A C", "c d A C", "b c A C",
    "a c d A", "a d B D", "a b B D", "c d B D", "b c B D", "a b c B", "a c B H", "a A B H",
    "c A B H", "a d C D", "a b C D", "c d C D", "b c C D", "a b c C", "a c C H", "a c A H",
    "a C D H", "a A C H", "a B D H", "c C D H", "c A C H", "c B D H", "a c d D", "a c D H"};

// The reference trapezium: a = 10, A = 60, B = 70, H = 3, every value to full precision.
std::vector<double> reference()
{
    const double rad = std::numbers::pi / 180, a = 10, A = 60, B = 70, H = 3;
    const double c = a - H / std::tan(A * rad) - H / std::tan(B * rad);
    const double b = H / std::sin(B * rad), d = H / std::sin(A * rad);
    return {a, b, c, d, A, B, 180 - B, 180 - A, H, (a + c) / 2 * H, a + b + c + d};
}

QString describe(const std::vector<double>& values, const QStringList& wanted, int decimals)
{
    QStringList items;
    for (const QString& name : wanted)
        items << name + '=' + QString::number(values[size_t(names.indexOf(name))], 'f', decimals);
    return items.join(' ');
}

// The first case, in precedence, whose four fields are all among the entered ones.
int winner(const QStringList& entered)
{
    for (int k = 0; k < 32; ++k) {
        bool complete = true;
        for (const QString& name : QString(caseFields[k]).split(' '))
            complete = complete && entered.contains(name);
        if (complete)
            return k;
    }
    return -1;
}

constexpr double noBound = -1;

} // namespace

class TrapezoidSolverTest : public QObject {
    Q_OBJECT
private slots:
    void everyCaseSolvesTheReferenceTrapezium_data();
    void everyCaseSolvesTheReferenceTrapezium();
    void solvesTheOtherExamples_data();
    void solvesTheOtherExamples();
    void refuses_data();
    void refuses();
};

void TrapezoidSolverTest::everyCaseSolvesTheReferenceTrapezium_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("marked");

    const std::vector<double> exact = reference();
    const QStringList inputs{"a", "b", "c", "d", "A", "B", "C", "D", "H"};
    for (int k = 0; k < 32; ++k) {
        const QStringList fields = QString(caseFields[k]).split(' ');
        QTest::addRow("case %d: %s", k + 1, caseFields[k])
            << describe(exact, fields, 12) << QString(caseFields[k]);
        // One more value beside the case: a wrong one that must lose and be overwritten, or,
        // where it completes a case of higher precedence, the right one and that case wins.
        for (const QString& extra : inputs) {
            if (fields.contains(extra))
                continue;
            const int first = winner(fields + QStringList{extra});
            std::vector<double> values = exact;
            if (first == k)
                values[size_t(names.indexOf(extra))] *= 1.1;
            QTest::addRow("case %d with %s", k + 1, qPrintable(extra))
                << describe(values, fields + QStringList{extra}, 12) << QString(caseFields[first]);
        }
    }
}

void TrapezoidSolverTest::everyCaseSolvesTheReferenceTrapezium()
{
    QFETCH(QString, given);
    QFETCH(QString, marked);
    const SolveOutcome outcome = TrapezoidSolver::solve(NamedValues::parse(given, names));
    const Solution* solution = solutionOf(outcome);
    QVERIFY(solution);
    QCOMPARE(solution->given, NamedValues::marks(marked, names));
    const QString wrong =
        NamedValues::mismatch(solution->values, describe(reference(), names, 9), names);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TrapezoidSolverTest::solvesTheOtherExamples_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("expected");

    QTest::newRow("16: the reference, rounded")
        << "a=10 A=60 B=70 H=3"
        << "a A B H"
        << "c=7.1760 d=3.4641 b=3.1925 C=110 D=120 S=25.7641 P=23.8327";
    QTest::newRow("14: negative reach gives an obtuse A")
        << "a=2 c=5 b=1 B=60"
        << "a b c B"
        << "H=0.8660 d=3.6056 A=166.102 D=13.898 C=120 S=3.0311";
    // d = sqrt(3^2 + (10 - 5 - 3 cot 60)^2) = 4.43616: 4.4362 to four places.
    QTest::newRow("15: a c B H") << "a=10 c=5 H=3 B=60"
                                 << "a c B H"
                                 << "b=3.4641 d=4.4362 A=42.552 D=137.448 S=22.5";
    QTest::newRow("15: zero reach gives a right angle") << "a=10 c=7 H=3 B=45"
                                                        << "a c B H"
                                                        << "b=4.2426 d=3 A=90 D=90 S=25.5";
}

void TrapezoidSolverTest::solvesTheOtherExamples()
{
    QFETCH(QString, given);
    QFETCH(QString, marked);
    QFETCH(QString, expected);
    const SolveOutcome outcome = TrapezoidSolver::solve(NamedValues::parse(given, names));
    const Solution* solution = solutionOf(outcome);
    QVERIFY(solution);
    QCOMPARE(solution->given, NamedValues::marks(marked, names));
    const QString wrong = NamedValues::mismatch(solution->values, expected, names);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TrapezoidSolverTest::refuses_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("bound"); // noBound: the message has no placeholder
    QTest::addColumn<int>("boundDecimals");

    const QString notEnough = notEnoughParametersMessage;
    const QString sideD = TrapezoidSolver::sideDMessage, sideB = TrapezoidSolver::sideBMessage,
                  height = TrapezoidSolver::heightMessage;
    QTest::newRow("nothing") << "" << notEnough << noBound << 0;
    QTest::newRow("a perimeter alone") << "P=20" << notEnough << noBound << 0;
    QTest::newRow("an area alone") << "S=20" << notEnough << noBound << 0;
    QTest::newRow("A and D on the same leg") << "a=10 b=3 A=60 D=120" << notEnough << noBound << 0;
    QTest::newRow("B and C on the same leg") << "a=10 d=3 B=70 C=110" << notEnough << noBound << 0;
    QTest::newRow("an angle of 185")
        << "a=10 A=185 B=70 H=3" << QString(TrapezoidSolver::angleMessage) << noBound << 0;
    QTest::newRow("an angle of 180")
        << "a=10 A=60 B=70 D=180" << QString(TrapezoidSolver::angleMessage) << noBound << 0;
    QTest::newRow("1: leg d too long") << "a=10 d=17 A=60 B=70" << sideD << 12.2668 << 4;
    QTest::newRow("2: leg b too long") << "a=10 b=15 A=60 B=70" << sideB << 11.3052 << 4;
    QTest::newRow("18: leg d too long, angles completed")
        << "a=10 d=17 C=110 D=120" << sideD << 12.2668 << 4;
    QTest::newRow("16: height too great") << "a=10 A=60 B=70 H=15" << height << 10.6234 << 4;
    QTest::newRow("3: leg d too long on base c") << "c=2 d=3 A=150 B=150" << sideD << 1.1547 << 4;
    QTest::newRow("4: leg b too long on base c") << "c=2 b=3 A=150 B=150" << sideB << 1.1547 << 4;
    QTest::newRow("17: height too great on base c")
        << "c=2 H=3 A=150 B=150" << height << 0.57735 << 5;
}

void TrapezoidSolverTest::refuses()
{
    QFETCH(QString, given);
    QFETCH(QString, message);
    QFETCH(double, bound);
    QFETCH(int, boundDecimals);
    const SolveOutcome outcome = TrapezoidSolver::solve(NamedValues::parse(given, names));
    const Refusal* refusal = refusalOf(outcome);
    QVERIFY(refusal);
    QCOMPARE(QString::fromUtf8(refusal->messageKey), message);
    QCOMPARE(refusal->bound.has_value(), bound != noBound);
    if (refusal->bound)
        QVERIFY(std::abs(*refusal->bound - bound) <= 0.5 * std::pow(10.0, -boundDecimals));
}

QTEST_APPLESS_MAIN(TrapezoidSolverTest)
#include "tst_TrapezoidSolver.moc"
