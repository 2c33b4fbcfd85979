#pragma once

#include "core/ShapeFieldTable.h"
#include "core/SolveOutcome.h"

// Solves a circle from any one of radius, diameter, area or circumference; the first
// entered in that order wins and the others are overwritten.
class CircleSolver {
public:
    // Field order of the circle: the order its values are written and logged.
    enum Field { Radius, Diameter, Area, Circumference, FieldCount };

    // The fields in writing order, with a solve that reads them in this order.
    static const ShapeFieldTable& fieldTable();

    static SolveOutcome solve(double area, double radius, double diameter, double circumference);
};
