#pragma once

#include "core/ShapeFieldTable.h"
#include "core/SolveOutcome.h"

#include <vector>

// Solves a trapezium from four of its sides, angles and height: 32 cases in precedence,
// computed by five families of formulas. Sides a (bottom) and c (top) are parallel; leg d
// joins the corners of A and D, leg b those of B and C; A and B lie on base a.
class TrapeziumSolver {
public:
    // Field order of the trapezium: the order its values are written and logged.
    enum Field {
        SideA,
        SideB,
        SideC,
        SideD,
        AngleA,
        AngleB,
        AngleC,
        AngleD,
        Height,
        Area,
        Perimeter,
        FieldCount
    };

    // The five families: F1 base a with a leg and one angle per leg, F2 the same on base c,
    // F3 one base with the height and one angle per leg, F4 both bases with a leg and its
    // angle, F5 both bases with the height and one angle.
    enum class Family { F1, F2, F3, F4, F5 };

    struct Case {
        Family family;
        Field given[4];
    };
    static const std::vector<Case>& cases(); // in precedence

    static constexpr const char* angleMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Any angle in a trapezium must be smaller than 180 degrees.\rPlease try again with "
        "different values.");
    static constexpr const char* sideDMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "This is not a valid trapezium.\rPlease make sure that Side d is smaller than %@ units.");
    static constexpr const char* sideBMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "This is not a valid trapezium.\rPlease make sure that Side b is smaller than %@ units.");
    static constexpr const char* heightMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "This is not a valid trapezium.\rPlease make sure that Height is smaller than %@ units.");

    // The values indexed by Field; 0 means not entered. The area is read only to tell
    // whether anything was entered; the perimeter is not read.
    // The fields in writing order, with a solve that reads them in this order.
    static const ShapeFieldTable& fieldTable();

    static SolveOutcome solve(const std::vector<double>& values);
};
