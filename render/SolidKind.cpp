#include "render/SolidKind.h"

#include <array>

namespace {
// In the order the view tests the identifier.
constexpr std::array<std::pair<SolidKind, const char*>, solidKindCount> names{{
    {SolidKind::RectangularPrism, "Rectangular Prism"},
    {SolidKind::TriangularPrism, "Triangular Prism"},
    {SolidKind::TrapezoidalPrism, "Trapezoidal Prism"},
    {SolidKind::Cylinder, "Cylinder"},
    {SolidKind::Cone, "Cone"},
    {SolidKind::Pyramid, "Pyramid"},
    {SolidKind::Sphere, "Sphere"},
}};
} // namespace

std::optional<SolidKind> solidKindNamed(const QString& identifier)
{
    for (const auto& [kind, name] : names) {
        if (identifier == QLatin1String(name))
            return kind;
    }
    return std::nullopt;
}

const char* solidKindName(SolidKind kind)
{
    for (const auto& [candidate, name] : names) {
        if (candidate == kind)
            return name;
    }
    return "";
}

bool isSmoothSolid(SolidKind kind)
{
    return kind == SolidKind::Cylinder || kind == SolidKind::Cone || kind == SolidKind::Sphere;
}
