#include "render/SolidLayout.h"

#include "render/SolidFit.h"

#include <cmath>
#include <numbers>

namespace {

constexpr float radiansPerDegree = float(std::numbers::pi / 180.0);
constexpr float degreesPerRadian = float(180.0 / std::numbers::pi);
// Distances from which the solids are seen when their height is not the largest extent.
constexpr float prismDistance = 3.6f;
constexpr float cylinderDistance = 3.7f;
constexpr float pyramidDistance = 3.7f;
constexpr float coneDistance = 3.8f;
constexpr float sphereFov = 35.0f;
// The pyramid's reach: its slanted sides come no closer than 0.7 of the box's corner.
constexpr float pyramidSlant = 0.7f * 0.7f;

float sinDegrees(float angle)
{
    return std::sin(angle * radiansPerDegree);
}

float tanDegrees(float angle)
{
    return std::tan(angle * radiansPerDegree);
}

float acosDegrees(float value)
{
    return std::acos(value) * degreesPerRadian;
}

float length3(float x, float y, float z)
{
    return std::sqrt(x * x + y * y + z * z);
}

void layOutRectangularPrism(SolidLayout& layout, const SolidDimensions& d, float aspect)
{
    const SolidFit::Extents e{d.sideA, d.sideB, d.height};
    SolidFit::apply(layout, e, SolidFit::largest(e), length3(e.x, e.y, e.z), prismDistance, aspect);
    layout.gridOffset = -layout.yValue;
}

// The triangle standing on side a: its width, the apex's x from the left end of a, and
// the centre of its bounding box. Returns false when the values fit none of the shapes.
bool triangleSection(const SolidDimensions& d, float h, float& width, float& apexX, float& centre)
{
    const float a = d.sideA;
    const float b = d.sideB;
    const float c = d.sideC;
    const float angleA = acosDegrees((b * b + c * c - a * a) / (2 * b * c));
    const float angleB = acosDegrees((c * c + a * a - b * b) / (2 * c * a));
    const float angleC = 180.0f - (angleA + angleB);
    const float u = h / tanDegrees(angleB);
    const float v = h / tanDegrees(180.0f - angleC);
    const float w = h / tanDegrees(180.0f - angleB);

    if (a == b && b == c) {
        width = a;
        apexX = a / 2;
        centre = a / 2;
    } else if (a + b > c && angleB <= 90 && angleC >= 90) {
        // The apex overhangs the right end of side a.
        width = a + v;
        apexX = a + v;
        centre = width / 2;
    } else if (a + c > b && angleC <= 90 && angleB >= 90) {
        // The apex overhangs the left end.
        width = a + w;
        apexX = -w;
        centre = width / 2 - w;
    } else if ((b + c > a && angleC <= 90 && angleB <= 90) || (a == b && angleC < 90) ||
               (b == c && angleA < 90) || (a == c && angleB < 90) ||
               (angleA < 90 && angleB < 90 && angleC < 90)) {
        width = a;
        apexX = u;
        centre = a / 2;
    } else {
        return false;
    }
    return true;
}

void layOutTriangularPrism(SolidLayout& layout, const SolidDimensions& d, float aspect)
{
    const float a = d.sideA;
    const float b = d.sideB;
    const float c = d.sideC;
    const float angleB = acosDegrees((c * c + a * a - b * b) / (2 * c * a));
    const float h = c * sinDegrees(angleB);
    triangleSection(d, h, layout.sectionWidth, layout.sectionApexX, layout.sectionCentre);

    const SolidFit::Extents e{layout.sectionWidth, h, d.height};
    const float scale = SolidFit::apply(layout, e, SolidFit::largest(e), length3(e.x, e.y, e.z),
                                        prismDistance, aspect);
    layout.gridOffset = -layout.yValue;
    layout.depth = d.height * scale;
    layout.xValueMidPoint = layout.sectionCentre * scale;
    layout.point2x = layout.sectionApexX * scale;
    layout.point1 = {0, 0};
    layout.point2 = {a * scale, 0};
    layout.point3 = {layout.point2x, h * scale};
}

void layOutTrapezoidalPrism(SolidLayout& layout, const SolidDimensions& d, float aspect)
{
    const float a = d.sideA;
    const float c = d.sideC;
    const float h = d.sideB * sinDegrees(d.angleB);
    const float p = d.sideB * std::cos(d.angleB * radiansPerDegree); // top-right inset
    const float q = a - p - c;                                       // top-left inset

    float& width = layout.sectionWidth;
    float& centre = layout.sectionCentre;
    if (q <= 0 && p <= 0) {
        width = c;
        centre = q + c / 2;
    } else if (q >= 0 && p <= 0) {
        width = a - p;
        centre = width / 2;
    } else if (q >= 0 && p > 0) {
        width = a;
        centre = a / 2;
    } else if (q < 0 && p >= 0) {
        width = a - q;
        centre = (a - q) / 2 + q;
    }

    const SolidFit::Extents e{width, h, d.height};
    const float scale = SolidFit::apply(layout, e, SolidFit::largest(e), length3(e.x, e.y, e.z),
                                        prismDistance, aspect);
    layout.gridOffset = -layout.yValue;
    layout.depth = d.height * scale;
    layout.xValueMidPoint = centre * scale;
    layout.point1 = {0, 0};
    layout.point2 = {a * scale, 0};
    layout.point3 = {(a - p) * scale, h * scale};
    layout.point4 = {q * scale, h * scale};
}

void layOutCylinder(SolidLayout& layout, const SolidDimensions& d, float aspect)
{
    layout.radius = d.radius;
    // The axis runs along z; the width is the diameter and never decides the fit.
    const SolidFit::Extents e{2 * d.radius, 2 * d.radius, d.height};
    const auto largest = e.y >= e.z ? SolidFit::Largest::Height : SolidFit::Largest::Depth;
    SolidFit::apply(layout, e, largest, length3(e.x / 2, e.y, e.z), cylinderDistance, aspect);
    layout.gridOffset = -layout.yValue;
}

void layOutCone(SolidLayout& layout, const SolidDimensions& d, float aspect)
{
    const SolidFit::Extents e{2 * d.radius, d.height, 2 * d.radius};
    const auto largest = e.y >= e.z ? SolidFit::Largest::Height : SolidFit::Largest::Width;
    SolidFit::apply(layout, e, largest, length3(e.z / 2, e.y, e.z), coneDistance, aspect);
    // The cone stands lower in the scene: its base is at -0.8 of its half-height.
    layout.gridOffset = -0.8 * double(layout.yValue);
}

void layOutPyramid(SolidLayout& layout, const SolidDimensions& d, float aspect)
{
    const SolidFit::Extents e{d.sideA, d.height, d.sideB};
    const SolidFit::Largest largest = SolidFit::largest(e);
    const float reach =
        largest == SolidFit::Largest::Height
            ? std::sqrt(pyramidSlant * e.x * e.x + e.y * e.y + pyramidSlant * e.z * e.z)
            : std::sqrt(e.x * e.x + pyramidSlant * e.y * e.y + e.z * e.z);
    SolidFit::apply(layout, e, largest, reach, pyramidDistance, aspect);
    layout.gridOffset = -0.9 * double(layout.yValue);
}

void layOutSphere(SolidLayout& layout, const SolidDimensions& d)
{
    layout.xValue = layout.yValue = layout.zValue = 1;
    layout.fov = sphereFov;
    layout.gridScalingFactor = 2.0 * double(d.radius);
    layout.gridOffset = -1;
}

} // namespace

SolidLayout SolidLayout::compute(SolidKind kind, const SolidDimensions& dimensions, float aspect,
                                 const SolidLayout& previous)
{
    SolidLayout layout = previous;
    switch (kind) {
    case SolidKind::RectangularPrism:
        layOutRectangularPrism(layout, dimensions, aspect);
        break;
    case SolidKind::TriangularPrism:
        layOutTriangularPrism(layout, dimensions, aspect);
        break;
    case SolidKind::TrapezoidalPrism:
        layOutTrapezoidalPrism(layout, dimensions, aspect);
        break;
    case SolidKind::Cylinder:
        layOutCylinder(layout, dimensions, aspect);
        break;
    case SolidKind::Cone:
        layOutCone(layout, dimensions, aspect);
        break;
    case SolidKind::Pyramid:
        layOutPyramid(layout, dimensions, aspect);
        break;
    case SolidKind::Sphere:
        layOutSphere(layout, dimensions);
        break;
    }
    return layout;
}

SolidDimensions SolidDimensions::from(SolidKind kind, std::vector<float> values)
{
    values.resize(5, 0.0f);
    const float* v = values.data();
    SolidDimensions d;
    switch (kind) {
    case SolidKind::RectangularPrism:
    case SolidKind::Pyramid:
        d.sideA = v[0];
        d.sideB = v[1];
        d.height = v[2];
        break;
    case SolidKind::TriangularPrism:
        d.sideA = v[0];
        d.sideB = v[1];
        d.sideC = v[2];
        d.height = v[3];
        break;
    case SolidKind::TrapezoidalPrism:
        d.sideA = v[0];
        d.sideB = v[1];
        d.sideC = v[2];
        d.angleB = v[3];
        d.height = v[4];
        break;
    case SolidKind::Cylinder:
    case SolidKind::Cone:
        d.radius = v[0];
        d.height = v[1];
        break;
    case SolidKind::Sphere:
        d.radius = v[0];
        break;
    }
    return d;
}
