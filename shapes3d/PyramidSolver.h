#pragma once

#include "core/ShapeFieldTable.h"
#include "core/SolveOutcome.h"

// Solves a right pyramid over a rectangular base, apex above the base's centre, from
// three of base side a, base side b, height and volume. The surface is always
// computed, never read.
class PyramidSolver {
public:
    // Field order of the pyramid: the order its values are written and logged.
    enum Field { SideA, SideB, Height, Volume, Surface, FieldCount };

    // The fields in writing order, with a solve that reads them in this order.
    static const ShapeFieldTable& fieldTable();

    static SolveOutcome solve(double a, double b, double h, double volume);
};
