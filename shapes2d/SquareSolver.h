#pragma once

#include "core/ShapeFieldTable.h"
#include "core/SolveOutcome.h"

// Solves a square from its side, area or perimeter; the first entered in that order wins
// and the others are overwritten.
class SquareSolver {
public:
    // Field order of the square: the order its values are written and logged.
    enum Field { Side, Area, Perimeter, FieldCount };

    // The fields in writing order, with a solve that reads them in this order.
    static const ShapeFieldTable& fieldTable();

    static SolveOutcome solve(double area, double side, double perimeter);
};
