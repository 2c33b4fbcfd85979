#pragma once

#include "core/ShapeFieldTable.h"
#include "core/SolveOutcome.h"

// Solves a right prism over a trapezium given by its parallel sides a and c, the leg b and
// the angle B between a and b; the other leg d always follows. One of height, volume or
// surface completes the prism.
class TrapezoidalPrismSolver {
public:
    // Field order of the prism: the order its values are written and logged.
    enum Field { SideA, SideB, SideC, SideD, AngleB, Height, Volume, Surface, FieldCount };

    static constexpr const char* angleMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Any angle in a trapezium must be smaller than 180 degrees.\rPlease try again with "
        "different values.");
    static constexpr const char* baseAreasMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that the Surface is greater than the sum of the two base areas (> %@ "
        "square units).\rPlease try again with different values.");

    // The fields in writing order, with a solve that reads them in this order.
    static const ShapeFieldTable& fieldTable();

    static SolveOutcome solve(double a, double b, double c, double angleB, double h, double volume,
                              double surface);
};
