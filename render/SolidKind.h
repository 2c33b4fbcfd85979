#pragma once

#include <QString>

#include <optional>

// The seven solids the solid view draws, by their tab identifiers.
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

// The solid a "3DBottomTab" identifier names, or nothing for any other text.
std::optional<SolidKind> solidKindNamed(const QString& identifier);
const char* solidKindName(SolidKind kind);
// Cylinder, cone and sphere: lit, drawn from display lists, smoothed by accumulation.
bool isSmoothSolid(SolidKind kind);
