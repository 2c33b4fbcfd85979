#pragma once

#include "core/ShapeFieldTable.h"
#include "core/SolveOutcome.h"

// Solves a rectangle from one side and one more of: the other side, the area, the
// perimeter. Without a side it refuses, whatever area and perimeter hold.
class RectangleSolver {
public:
    // Field order of the rectangle: the order its values are written and logged.
    enum Field { SideA, SideB, Area, Perimeter, FieldCount };

    static constexpr const char* perimeterSideAMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that the Perimeter is greater than two times Side a (> %@ units).");
    static constexpr const char* perimeterSideBMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that the Perimeter is greater than two times Side b (> %@ units).");

    // The fields in writing order, with a solve that reads them in this order.
    static const ShapeFieldTable& fieldTable();

    static SolveOutcome solve(double area, double sideA, double sideB, double perimeter);
};
