#pragma once

// The seven solids the solid view draws; the shape table says which shape is which.
enum class SolidKind {
    RectangularPrism,
    TriangularPrism,
    TrapezoidalPrism,
    Cylinder,
    Cone,
    Pyramid,
    Sphere,
};

inline constexpr int solidKindCount = 7;

// Cylinder, cone and sphere: lit, drawn from display lists, smoothed by accumulation.
bool isSmoothSolid(SolidKind kind);
