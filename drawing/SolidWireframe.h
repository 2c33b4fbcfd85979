#pragma once

#include "drawing/FigureDrawing.h"
#include "render/SolidKind.h"

#include <QString>

#include <vector>

// A solid's edges seen from the side the solid view shows it, turned `yawDegrees` about the
// vertical, and from `pitchDegrees` above, projected without perspective so that lengths
// along the picture plane keep their scale. Curved solids show their rims and outlines.
// Values as SolidNet takes them; the sphere is its outline and its equator.
class SolidWireframe {
public:
    static constexpr double defaultPitch = 20;
    static constexpr int rimSegments = 96;

    static FigureDrawing drawing(SolidKind kind, const std::vector<double>& values,
                                 const std::vector<QString>& texts, double yawDegrees,
                                 double pitchDegrees = defaultPitch);
};
