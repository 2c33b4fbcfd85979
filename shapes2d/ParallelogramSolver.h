#pragma once

#include "core/ShapeFieldTable.h"
#include "core/SolveOutcome.h"

#include <vector>

// Solves a parallelogram from a side, an adjacent angle and one more quantity (the other
// side, the height onto side a, the area or the perimeter). Twelve cases in precedence.
class ParallelogramSolver {
public:
    // Field order of the parallelogram: the order its values are written and logged.
    enum Field { SideA, SideB, AngleA, AngleB, Height, Area, Perimeter, FieldCount };

    static constexpr const char* angleMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Any angle in a parallelogram has to be smaller than 180 degrees.\rPlease try again "
        "with different values.");
    static constexpr const char* perimeterSideAMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that the Perimeter is greater than two times Side a (> %@ units).");
    static constexpr const char* perimeterSideBMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that the Perimeter is greater than two times Side b (> %@ units).");

    // The values indexed by Field; 0 means not entered.
    // The fields in writing order, with a solve that reads them in this order.
    static const ShapeFieldTable& fieldTable();

    static SolveOutcome solve(const std::vector<double>& values);
};
