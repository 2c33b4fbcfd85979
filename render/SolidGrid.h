#pragma once

#include <vector>

// One end of a grid segment: position and colour (the colour may fade along a segment).
struct GridVertex {
    float x, y, z;
    float r, g, b, a;
};

// The grid planes and axes behind and under a solid, as GL_LINES batches: every two
// consecutive vertices make one segment.
class SolidGrid {
public:
    struct Switches {
        bool xyPlane = true;
        bool xzPlane = true;
        bool zyPlane = true;
        bool axes = true;
        bool fade = false; // upright planes fade as they turn edge-on
        bool operator==(const Switches&) const = default;
    };

    struct Lines {
        std::vector<GridVertex> xyPlane;
        std::vector<GridVertex> xzPlane;
        std::vector<GridVertex> zyPlane;
        std::vector<GridVertex> axes;
    };

    // `squares`: grid squares across the solid's largest dimension (the scale's
    // gridScalingFactor); `floor`: the layout's gridOffset; `angle` in degrees.
    static Lines build(double squares, double floor, float angle, const Switches& switches);
};
