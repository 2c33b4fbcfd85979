#pragma once

#include "core/ShapeFieldTable.h"
#include "core/SolveOutcome.h"

// Solves an ellipse from two of its radii and its area. The circumference is only ever
// computed (an approximation), never read.
class EllipseSolver {
public:
    // Field order of the ellipse: the order its values are written and logged.
    enum Field { RadiusA, RadiusB, Area, Circumference, FieldCount };

    // The fields in writing order, with a solve that reads them in this order.
    static const ShapeFieldTable& fieldTable();

    static SolveOutcome solve(double area, double radiusA, double radiusB);
    // The quadratic-mean approximation: exact for a circle, no correction terms.
    static double circumference(double radiusA, double radiusB);
};
