#pragma once

// The area of a triangle from its three sides, computed so that exact sides give an
// exact area (the 3-4-5 triangle has the area 6, not 5.999999999999999): a surface that
// equals twice the base area must meet the bound exactly.
class TriangleArea {
public:
    // Half b·c·sin α, α the angle between b and c: so the sign follows b·c, and sides
    // that make no triangle give not a number.
    static double fromSides(double a, double b, double c);
};
