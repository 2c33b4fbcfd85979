#pragma once

#include "core/ShapeFieldTable.h"
#include "core/SolveOutcome.h"

// Solves a right circular cylinder from two of radius, height, volume and surface.
// Surface with height, and volume with surface, have no closed solution and are refused.
class CylinderSolver {
public:
    // Field order of the cylinder: the order its values are written and logged.
    enum Field { Radius, Height, Volume, Surface, FieldCount };

    static constexpr const char* baseAreasMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that the Surface is greater than the sum of the two base areas (> %@ "
        "square units).\rPlease try again with different values.");

    // The fields in writing order, with a solve that reads them in this order.
    static const ShapeFieldTable& fieldTable();

    static SolveOutcome solve(double height, double volume, double radius, double surface);
};
