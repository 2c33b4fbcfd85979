#pragma once

#include "core/SolveOutcome.h"

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

    // Every plane and solid solver by name: "circle", "triangle", "box", "triangular prism"
    // and so on (see the map in SolverTable.cpp).
    static const Solver& solver(const QString& name);
    // The named solver given "a=10 A=60 H=3": unnamed fields are 0 (not entered); "nan"
    // and "inf" are accepted for the rows that test non-finite entries.
    static SolveOutcome solve(const QString& solver, const QString& given);
    // The values as a row writes them, leaving out 0 (not entered): to full precision, or
    // to the given decimals, which then set the precision an expectation is met to.
    static QString named(const QString& solver, const Values& values, int decimals = -1);

    static void addColumns();
    static void verifyRow();

    // Rows are named "<solver>: <name>".
    explicit SolverTable(const char* solver) : m_solver(QString::fromLatin1(solver)) {}

    // Each expected value is met to a relative 1e-9 (tighter than any shown result) or,
    // where looser, to the precision it is written with: "36.8699" to half a unit of its
    // last decimal. "nan" expects not a number.
    void solves(const QString& row, const QString& given, const QString& marked,
                const QString& expected) const;
    // The bound fills the message's "%@", met as an expected value is; none when empty.
    void refuses(const QString& row, const QString& given,
                 const char* message = notEnoughParametersMessage, const char* bound = "") const;

private:
    QString m_solver;
};
