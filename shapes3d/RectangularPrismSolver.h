#pragma once

#include "core/ShapeFieldTable.h"
#include "core/SolveOutcome.h"

// Solves a box from three of its edges, volume and surface. Two edges and the volume or
// the surface give the third edge; a surface too small for the faces the known edges
// already fix is refused.
class RectangularPrismSolver {
public:
    // Field order of the box: the order its values are written and logged.
    enum Field { SideA, SideB, Height, Volume, Surface, FieldCount };

    static constexpr const char* baseAreasMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that the Surface is greater than the sum of the two base areas (> %@ "
        "square units).\rPlease try again with different values.");
    static constexpr const char* sideAreasMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that the Surface is greater than the sum of the two side areas (> %@ "
        "square units).\rPlease try again with different values.");

    // The fields in writing order, with a solve that reads them in this order.
    static const ShapeFieldTable& fieldTable();

    static SolveOutcome solve(double a, double b, double h, double volume, double surface);
};
