#pragma once

#include "core/SolveOutcome.h"

#include <QList>
#include <QTest>

#include <cmath>

// Checks shared by the solver tests: a solution's values (to a relative 1e-9, tighter than
// any shown result) and its marks, or a refusal's message and bound.
namespace SolutionChecks {

inline bool close(double actual, double expected)
{
    if (std::isnan(expected))
        return std::isnan(actual);
    return std::fabs(actual - expected) <= 1e-9 * std::max(1.0, std::fabs(expected));
}

inline void verifySolution(const SolveOutcome& outcome, const QList<double>& expected,
                           const QList<int>& marked)
{
    const Refusal* refusal = refusalOf(outcome);
    QVERIFY2(!refusal, refusal ? refusal->messageKey : "");
    const Solution& solution = *solutionOf(outcome);
    QCOMPARE(qsizetype(solution.values.size()), expected.size());
    QCOMPARE(qsizetype(solution.given.size()), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QVERIFY2(close(solution.values[size_t(i)], expected[i]),
                 qPrintable(QStringLiteral("field %1: %2, expected %3")
                                .arg(i)
                                .arg(solution.values[size_t(i)], 0, 'g', 17)
                                .arg(expected[i], 0, 'g', 17)));
        QVERIFY2(solution.given[size_t(i)] == marked.contains(int(i)),
                 qPrintable(QStringLiteral("mark of field %1").arg(i)));
    }
}

// A NaN bound stands for a message without "%@".
inline void verifyRefusal(const SolveOutcome& outcome, const char* message, double bound)
{
    const Refusal* refusal = refusalOf(outcome);
    QVERIFY2(refusal, "solved instead of refusing");
    QCOMPARE(QString::fromUtf8(refusal->messageKey), QString::fromUtf8(message));
    QCOMPARE(refusal->bound.has_value(), !std::isnan(bound));
    if (refusal->bound)
        QVERIFY2(close(*refusal->bound, bound),
                 qPrintable(QString::number(*refusal->bound, 'g', 17)));
}

} // namespace SolutionChecks
