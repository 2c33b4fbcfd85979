#include "support/SolverTable.h"

#include "shapes2d/CircleSolver.h"
#include "shapes2d/EllipseSolver.h"
#include "shapes2d/ParallelogramSolver.h"
#include "shapes2d/PolygonSolver.h"
#include "shapes2d/RectangleSolver.h"
#include "shapes2d/SquareSolver.h"
#include "shapes2d/TrapezoidSolver.h"
#include "shapes2d/TriangleSolver.h"
#include "shapes3d/ConeSolver.h"
#include "shapes3d/CylinderSolver.h"
#include "shapes3d/PyramidSolver.h"
#include "shapes3d/RectangularPrismSolver.h"
#include "shapes3d/SphereSolver.h"
#include "shapes3d/TrapezoidalPrismSolver.h"
#include "shapes3d/TriangularPrismSolver.h"
#include "support/NamedValues.h"

#include <QMap>
#include <QTest>

#include <cmath>

using Values = SolverTable::Values;

const SolverTable::Solver& SolverTable::solver(const QString& name)
{
    // Each call maps the names' order onto the order the solver reads its arguments in.
    static const QMap<QString, Solver> all{
        {"circle",
         {{"r", "d", "S", "C"},
          [](const Values& v) { return CircleSolver::solve(v[2], v[0], v[1], v[3]); }}},
        {"square",
         {{"a", "S", "P"}, [](const Values& v) { return SquareSolver::solve(v[1], v[0], v[2]); }}},
        {"rectangle",
         {{"a", "b", "S", "P"},
          [](const Values& v) { return RectangleSolver::solve(v[2], v[0], v[1], v[3]); }}},
        {"ellipse",
         {{"a", "b", "S", "C"},
          [](const Values& v) { return EllipseSolver::solve(v[2], v[0], v[1]); }}},
        {"parallelogram", {{"a", "b", "A", "B", "H", "S", "P"}, ParallelogramSolver::solve}},
        // Table values carry an "x" prefix, graphic values a "g".
        {"polygon",
         {{"n", "xs", "xR", "xr", "xangle", "xA", "xP", "name", "gs", "gR", "gr", "gangle", "gA",
           "gP"},
          PolygonSolver::solve}},
        {"trapezium",
         {{"a", "b", "c", "d", "A", "B", "C", "D", "H", "S", "P"}, TrapezoidSolver::solve}},
        {"triangle", {{"a", "b", "c", "A", "B", "C", "h", "S", "P"}, TriangleSolver::solve}},
        {"box",
         {{"a", "b", "h", "V", "S"},
          [](const Values& v) {
              return RectangularPrismSolver::solve(v[0], v[1], v[2], v[3], v[4]);
          }}},
        {"cylinder",
         {{"r", "h", "V", "S"},
          [](const Values& v) { return CylinderSolver::solve(v[1], v[2], v[0], v[3]); }}},
        // The cone's and the pyramid's surface is never read.
        {"cone",
         {{"r", "h", "s", "V", "S"},
          [](const Values& v) { return ConeSolver::solve(v[2], v[1], v[0], v[3]); }}},
        {"pyramid",
         {{"a", "b", "h", "V", "S"},
          [](const Values& v) { return PyramidSolver::solve(v[0], v[1], v[2], v[3]); }}},
        {"sphere",
         {{"r", "d", "V", "S"},
          [](const Values& v) { return SphereSolver::solve(v[1], v[0], v[3], v[2]); }}},
        {"triangular prism",
         {{"a", "b", "c", "h", "V", "S"},
          [](const Values& v) {
              return TriangularPrismSolver::solve(v[0], v[1], v[2], v[3], v[4], v[5]);
          }}},
        // Side d is never read.
        {"trapezoidal prism",
         {{"a", "b", "c", "d", "B", "h", "V", "S"},
          [](const Values& v) {
              return TrapezoidalPrismSolver::solve(v[0], v[1], v[2], v[4], v[5], v[6], v[7]);
          }}},
    };
    Q_ASSERT_X(all.contains(name), "SolverTable::solver", qPrintable(name));
    return *all.find(name);
}

void SolverTable::addColumns()
{
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("message"); // empty: solved
    QTest::addColumn<double>("bound");
    QTest::addColumn<int>("boundDecimals");
}

void SolverTable::solves(const QString& row, const QString& given, const QString& marked,
                         const QString& expected) const
{
    QTest::newRow(qPrintable(m_solver + QStringLiteral(": ") + row))
        << m_solver << given << marked << expected << QString() << noBound << fullPrecision;
}

void SolverTable::solves(const QString& row, const Values& given, const Values& expected,
                         const QString& marked) const
{
    solves(row, named(given, false), marked, named(expected, true));
}

void SolverTable::refuses(const QString& row, const QString& given, const char* message,
                          double bound, int boundDecimals) const
{
    QTest::newRow(qPrintable(m_solver + QStringLiteral(": ") + row))
        << m_solver << given << QString() << QString() << QString::fromUtf8(message) << bound
        << boundDecimals;
}

void SolverTable::refuses(const QString& row, const Values& given, const char* message,
                          double bound) const
{
    refuses(row, named(given, false), message, bound);
}

QString SolverTable::named(const Values& values, bool withZeros) const
{
    const QStringList& names = solver(m_solver).names;
    Q_ASSERT(values.size() == size_t(names.size()));
    QStringList items;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (withZeros || values[size_t(i)] != 0)
            items << names[i] + QLatin1Char('=') +
                         QString::number(values[size_t(i)], 'g', QLocale::FloatingPointShortest);
    }
    return items.join(QLatin1Char(' '));
}

void SolverTable::verifyRow()
{
    QFETCH(QString, solver);
    QFETCH(QString, given);
    QFETCH(QString, marked);
    QFETCH(QString, expected);
    QFETCH(QString, message);
    QFETCH(double, bound);
    QFETCH(int, boundDecimals);
    const Solver& s = SolverTable::solver(solver);
    const SolveOutcome outcome = s.solve(NamedValues::parse(given, s.names));
    const Refusal* refusal = refusalOf(outcome);
    if (message.isEmpty()) {
        QVERIFY2(!refusal, refusal ? refusal->messageKey : "");
        const Solution& solution = *solutionOf(outcome);
        QCOMPARE(qsizetype(solution.values.size()), s.names.size());
        QCOMPARE(solution.given, NamedValues::marks(marked, s.names));
        const QString wrong = NamedValues::mismatch(solution.values, expected, s.names);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        return;
    }
    QVERIFY2(refusal, "solved instead of refusing");
    QCOMPARE(QString::fromUtf8(refusal->messageKey), message);
    QCOMPARE(refusal->bound.has_value(), bound != noBound);
    if (!refusal->bound)
        return;
    const double actual = *refusal->bound;
    const double tolerance = boundDecimals == fullPrecision ? 1e-9 * std::max(1.0, std::fabs(bound))
                                                            : 0.5 * std::pow(10.0, -boundDecimals);
    QVERIFY2(std::isnan(bound) ? std::isnan(actual) : std::fabs(actual - bound) <= tolerance,
             qPrintable(QStringLiteral("bound %1, expected %2")
                            .arg(actual, 0, 'g', 17)
                            .arg(bound, 0, 'g', 17)));
}
