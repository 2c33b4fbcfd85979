#pragma once

struct SolidLayout;

// The fit rule shared by the solids: picks the largest extent, normalises the
// half-extents by it and chooses the vertical field of view.
class SolidFit {
public:
    enum class Largest { Height, Width, Depth };

    // Extents across (x), up (y) and in depth (z), in units of length.
    struct Extents {
        float x = 0;
        float y = 0;
        float z = 0;
    };

    // The largest extent in the order height, width, depth.
    static Largest largest(const Extents& extents);

    // Writes xValue/yValue/zValue, gridScalingFactor and fov into the layout and returns
    // the scale factor 2/m for the solid's own lengths. `viewingDistance` is the
    // distance used when the height is not the largest extent.
    static float apply(SolidLayout& layout, const Extents& extents, Largest largest, float reach,
                       float viewingDistance, float aspect);
};
