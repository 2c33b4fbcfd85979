#pragma once

#include "core/SolveOutcome.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// Rows of a solver test: a solver, the values entered ("a=10 A=60 H=3", short names for
// the solver's fields), and either the values expected with the fields the solution must
// mark as used, or the refusal's message and bound. One test function checks them all.
class SolverTable {
public:
    using Values = std::vector<double>;
    struct Solver {
        QStringList names; // in field order
        std::function<SolveOutcome(const Values&)> solve;
    };

    static constexpr double noBound = -1; // the message has no "%@"
    static constexpr int fullPrecision = -1;

    // Every plane and solid solver: "circle", "square", "rectangle", "ellipse",
    // "parallelogram", "polygon", "trapezium", "triangle", "box", "cylinder", "cone",
    // "pyramid", "sphere", "triangular prism" and "trapezoidal prism".
    static const Solver& solver(const QString& name);

    static void addColumns();
    static void verifyRow();

    // Rows are named "<solver>: <name>".
    explicit SolverTable(const char* solver) : m_solver(QString::fromLatin1(solver)) {}

    // Expected values are met to the precision they are written with (see NamedValues).
    void solves(const QString& row, const QString& given, const QString& marked,
                const QString& expected) const;
    // The same from values in field order (0: not entered).
    void solves(const QString& row, const Values& given, const Values& expected,
                const QString& marked) const;
    // A bound is met to a relative 1e-9, or to half a unit of its last given decimal.
    void refuses(const QString& row, const QString& given,
                 const char* message = notEnoughParametersMessage, double bound = noBound,
                 int boundDecimals = fullPrecision) const;
    void refuses(const QString& row, const Values& given,
                 const char* message = notEnoughParametersMessage, double bound = noBound) const;

private:
    QString named(const Values& values, bool withZeros) const;

    QString m_solver;
};
