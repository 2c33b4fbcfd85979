#pragma once

#include "render/SolidKind.h"

#include <vector>

// A point of a prism's cross-section, in scene units.
struct ScenePoint {
    float x = 0;
    float y = 0;
    bool operator==(const ScenePoint&) const = default;
};

// The solved solid as the view reads it from the calculator's fields (single precision,
// as the fields' floatValue gives it). Which members count depends on the solid.
struct SolidDimensions {
    float sideA = 0;
    float sideB = 0;
    float sideC = 0;
    float height = 0; // the prisms' length, the other solids' height
    float angleB = 0; // degrees, trapezoidal prism
    float radius = 0;

    // A solid's dimensions from its quantities in the order the solid reads them:
    // box a, b, h; triangular prism a, b, c, h; trapezoidal prism a, b, c, angle b, h;
    // cylinder and cone r, h; pyramid a, b, h; sphere r. Missing values read 0.
    static SolidDimensions from(SolidKind kind, std::vector<float> values);
};

// The solid fitted into the normalised scene: its largest dimension spans 2 scene units
// and the field of view makes it fill the view from a camera about 4 units away.
struct SolidLayout {
    float xValue = 0; // half-extents; the largest is 1
    float yValue = 0;
    float zValue = 0;
    float depth = 0; // prism length along z (triangular and trapezoidal prism)
    ScenePoint point1, point2, point3, point4;
    float point2x = 0;            // the triangle's apex x
    float xValueMidPoint = 0;     // centre of the cross-section's bounding box, from point1
    float radius = 0;             // the cylinder's radius as read
    float fov = 0;                // vertical field of view, degrees
    double gridScalingFactor = 0; // the largest dimension in units of length
    double gridOffset = 0;        // y of the floor the solid stands on

    // The cross-section's width, apex x and centre before scaling. A triangle whose
    // values fit none of the known shapes keeps the previous ones.
    float sectionWidth = 0;
    float sectionApexX = 0;
    float sectionCentre = 0;

    // Lays a solid out for a view of the given aspect (width / height). `previous` (the
    // last layout, or a default one) supplies what a cross-section that fits no case keeps.
    static SolidLayout compute(SolidKind kind, const SolidDimensions& dimensions, float aspect,
                               const SolidLayout& previous);

    bool operator==(const SolidLayout&) const = default;
};
