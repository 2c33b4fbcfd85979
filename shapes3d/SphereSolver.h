#pragma once

#include "core/ShapeFieldTable.h"
#include "core/SolveOutcome.h"

// Solves a sphere from any one of radius, diameter, volume or surface; the first entered
// in that order wins and the others are overwritten.
class SphereSolver {
public:
    // Field order of the sphere: the order its values are written and logged.
    enum Field { Radius, Diameter, Volume, Surface, FieldCount };

    // The fields in writing order, with a solve that reads them in this order.
    static const ShapeFieldTable& fieldTable();

    static SolveOutcome solve(double diameter, double radius, double surface, double volume);
};
