#include "support/SolverTable.h"

#include "core/Localization.h"
#include "support/FormulaEvaluator.h"

#include "shapes2d/CircleSolver.h"
#include "shapes2d/EllipseSolver.h"
#include "shapes2d/ParallelogramSolver.h"
#include "shapes2d/RectangleSolver.h"
#include "shapes2d/RegularPolygonSolver.h"
#include "shapes2d/SquareSolver.h"
#include "shapes2d/TrapeziumSolver.h"
#include "shapes2d/TriangleSolver.h"
#include "shapes3d/ConeSolver.h"
#include "shapes3d/CylinderSolver.h"
#include "shapes3d/PyramidSolver.h"
#include "shapes3d/RectangularPrismSolver.h"
#include "shapes3d/SphereSolver.h"
#include "shapes3d/TrapezoidalPrismSolver.h"
#include "shapes3d/TriangularPrismSolver.h"

#include <QMap>
#include <QTest>

#include <cmath>

using Values = SolverTable::Values;

namespace {

template <size_t> using Argument = double;

// A solver that takes its fields one by one, fed the table's values at indices I in the
// order it reads its arguments.
template <size_t... I> auto reading(SolveOutcome (*solve)(Argument<I>...))
{
    return [solve](const Values& v) { return solve(v[I]...); };
}

} // namespace

const SolverTable::Solver& SolverTable::solver(const QString& name)
{
    // clang-format off
    static const QMap<QString, Solver> all{
        {"circle", {{"r", "d", "S", "C"}, reading<2, 0, 1, 3>(CircleSolver::solve)}},
        {"square", {{"a", "S", "P"}, reading<1, 0, 2>(SquareSolver::solve)}},
        {"rectangle", {{"a", "b", "S", "P"}, reading<2, 0, 1, 3>(RectangleSolver::solve)}},
        {"ellipse", {{"a", "b", "S", "C"}, reading<2, 0, 1>(EllipseSolver::solve)}},
        {"parallelogram", {{"a", "b", "A", "B", "H", "S", "P"}, ParallelogramSolver::solve}},
        // Table values carry an "x" prefix, graphic values a "g".
        {"polygon", {{"n", "xs", "xR", "xr", "xangle", "xA", "xP", "name",
                      "gs", "gR", "gr", "gangle", "gA", "gP"}, RegularPolygonSolver::solve}},
        {"trapezium", {{"a", "b", "c", "d", "A", "B", "C", "D", "H", "S", "P"},
                       TrapeziumSolver::solve}},
        {"triangle", {{"a", "b", "c", "A", "B", "C", "h", "S", "P"}, TriangleSolver::solve}},
        {"box", {{"a", "b", "h", "V", "S"}, reading<0, 1, 2, 3, 4>(RectangularPrismSolver::solve)}},
        {"cylinder", {{"r", "h", "V", "S"}, reading<1, 2, 0, 3>(CylinderSolver::solve)}},
        // The cone's and the pyramid's surface is never read.
        {"cone", {{"r", "h", "s", "V", "S"}, reading<2, 1, 0, 3>(ConeSolver::solve)}},
        {"pyramid", {{"a", "b", "h", "V", "S"}, reading<0, 1, 2, 3>(PyramidSolver::solve)}},
        {"sphere", {{"r", "d", "V", "S"}, reading<1, 0, 3, 2>(SphereSolver::solve)}},
        {"triangular prism", {{"a", "b", "c", "h", "V", "S"},
                              reading<0, 1, 2, 3, 4, 5>(TriangularPrismSolver::solve)}},
        // Side d is never read.
        {"trapezoidal prism", {{"a", "b", "c", "d", "B", "h", "V", "S"},
                               reading<0, 1, 2, 4, 5, 6, 7>(TrapezoidalPrismSolver::solve)}},
    };
    // clang-format on
    // A misspelt name in a row must stop the run in every build, not read past the map.
    if (!all.contains(name))
        qFatal("SolverTable: no solver \"%s\"", qPrintable(name));
    return *all.find(name);
}

namespace {

// The field index of each "name=value" item, with its value's text.
QList<std::pair<qsizetype, QString>> items(const QString& text, const QStringList& names)
{
    QList<std::pair<qsizetype, QString>> found;
    for (const QString& item : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype index = names.indexOf(item.section(QLatin1Char('='), 0, 0));
        if (index < 0)
            qFatal("SolverTable: no field named in \"%s\"", qPrintable(item));
        found.append({index, item.section(QLatin1Char('='), 1)});
    }
    return found;
}

// A description of the first expected value the actual ones miss, or an empty string.
QString mismatch(const Values& actual, const QString& expected, const QStringList& names)
{
    for (const auto& [index, text] : items(expected, names)) {
        const double wanted = text.toDouble();
        const QString mantissa = text.section(QLatin1Char('e'), 0, 0);
        const qsizetype point = mantissa.indexOf(QLatin1Char('.'));
        const int exponent = text.section(QLatin1Char('e'), 1).toInt();
        const double written =
            point < 0 ? 0 : 0.5 * std::pow(10.0, exponent - (mantissa.size() - point - 1));
        const double tolerance = std::max(written + 1e-12, 1e-9 * std::max(1.0, std::abs(wanted)));
        const double value = actual[size_t(index)];
        if (std::isnan(wanted) ? !std::isnan(value) : !(std::abs(value - wanted) <= tolerance))
            return QStringLiteral("%1 is %2, expected %3")
                .arg(names[index], QString::number(value, 'g', 17), text);
    }
    return {};
}

// What is wrong with a solution's working, or an empty string: each step reports the very
// value its field holds, its formula evaluated afresh gives that value, and every value the
// case found has its step.
QString faultInWorking(const QString& solver, const Solution& solution)
{
    std::vector<bool> found = solution.given;
    for (const WorkingStep& step : solution.steps) {
        const QString formula = localized(step.formula);
        if (step.target < 0 || size_t(step.target) >= solution.values.size())
            return QStringLiteral("step %1 has no field").arg(formula);
        const double value = solution.values[size_t(step.target)];
        if (!(std::isnan(value) && std::isnan(step.result)) && value != step.result)
            return QStringLiteral("step %1 gives %2, the field holds %3")
                .arg(formula, QString::number(step.result, 'g', 17),
                     QString::number(value, 'g', 17));
        found[size_t(step.target)] = true;
        const auto evaluated = FormulaEvaluator::evaluate(formula, step.bound);
        if (!evaluated)
            return QStringLiteral("step %1 does not evaluate").arg(formula);
        // Extremes that only wide numbers reach are left to the solver tests.
        if (std::isfinite(*evaluated) && std::abs(*evaluated) > 1e-200 &&
            !(std::abs(*evaluated - step.result) <= 1e-9 * std::abs(step.result)))
            return QStringLiteral("step %1 evaluates to %2, not %3")
                .arg(formula, QString::number(*evaluated, 'g', 17),
                     QString::number(step.result, 'g', 17));
    }
    // The polygon works in the set it was given, the other showing the same values; its
    // count of sides is given or the pentagon's, its name is a word.
    if (solver == QLatin1String("polygon")) {
        const size_t sets = 7;
        for (size_t i = 1; i < sets; ++i)
            found[i] = found[i + sets] = found[i] || found[i + sets];
        found[0] = found[sets] = true;
    }
    for (size_t i = 0; i < found.size(); ++i) {
        if (!found[i])
            return QStringLiteral("field %1 has no step").arg(i);
    }
    return {};
}

} // namespace

SolveOutcome SolverTable::solve(const QString& solver, const QString& given)
{
    const Solver& s = SolverTable::solver(solver);
    Values values(size_t(s.names.size()), 0.0);
    for (const auto& [index, text] : items(given, s.names))
        values[size_t(index)] = text.toDouble();
    return s.solve(values);
}

QString SolverTable::named(const QString& solver, const Values& values, int decimals)
{
    const QStringList& names = SolverTable::solver(solver).names;
    QStringList items;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const double value = values[size_t(i)];
        if (value != 0)
            items << names[i] + QLatin1Char('=') +
                         (decimals < 0 ? QString::number(value, 'g', 17)
                                       : QString::number(value, 'f', decimals));
    }
    return items.join(QLatin1Char(' '));
}

void SolverTable::addColumns()
{
    QTest::addColumn<QString>("solver");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("message"); // empty: solved
    QTest::addColumn<QString>("bound");
}

void SolverTable::solves(const QString& row, const QString& given, const QString& marked,
                         const QString& expected) const
{
    QTest::newRow(qPrintable(m_solver + QStringLiteral(": ") + row))
        << m_solver << given << marked << expected << QString() << QString();
}

void SolverTable::refuses(const QString& row, const QString& given, const char* message,
                          const char* bound) const
{
    QTest::newRow(qPrintable(m_solver + QStringLiteral(": ") + row))
        << m_solver << given << QString() << QString() << QString::fromUtf8(message)
        << QString(bound);
}

void SolverTable::verifyRow()
{
    QFETCH(QString, solver);
    QFETCH(QString, given);
    QFETCH(QString, marked);
    QFETCH(QString, expected);
    QFETCH(QString, message);
    QFETCH(QString, bound);
    const QStringList& names = SolverTable::solver(solver).names;
    const SolveOutcome outcome = solve(solver, given);
    const Refusal* refusal = refusalOf(outcome);
    if (message.isEmpty()) {
        QVERIFY2(!refusal, refusal ? refusal->messageKey : "");
        const Solution& solution = *solutionOf(outcome);
        QCOMPARE(qsizetype(solution.values.size()), names.size());
        std::vector<bool> marks(size_t(names.size()), false);
        for (const auto& item : items(marked, names))
            marks[size_t(item.first)] = true;
        QCOMPARE(solution.given, marks);
        const QString wrong = mismatch(solution.values, expected, names);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        const QString fault = faultInWorking(solver, solution);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        return;
    }
    QVERIFY2(refusal, "solved instead of refusing");
    QCOMPARE(QString::fromUtf8(refusal->messageKey), message);
    QCOMPARE(refusal->bound.has_value(), !bound.isEmpty());
    // Too little given says so itself; any other refusal says why.
    if (message != QString::fromUtf8(notEnoughParametersMessage))
        QVERIFY2(refusal->reason && !QByteArray(refusal->reason->formula).isEmpty(),
                 "a refusal without its reason");
    if (refusal->bound) {
        const QString wrong = mismatch({*refusal->bound}, "bound=" + bound, {"bound"});
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }
}
