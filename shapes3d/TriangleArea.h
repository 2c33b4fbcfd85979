#pragma once

#include "core/WideNumber.h"

// The area of a triangle from its three sides, computed so that exact sides give an
// exact area (the 3-4-5 triangle has the area 6, not 5.999999999999999): a surface that
// equals twice the base area must meet the bound exactly.
class TriangleArea {
public:
    // Half b·c·sin α, α the angle between b and c: so the sign follows b·c, and sides
    // that make no triangle give not a number.
    static double fromSides(double a, double b, double c);
    // The same, wide: sides whose products overflow or underflow on the way still give
    // their area, and an area beyond the range of a double still gives a volume within it.
    static WideNumber wideFromSides(double a, double b, double c);
};
