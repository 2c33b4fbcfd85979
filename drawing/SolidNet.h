#pragma once

#include "drawing/FigureDrawing.h"
#include "drawing/NetFace.h"
#include "render/SolidKind.h"

#include <QString>

#include <vector>

// The net (development) of a solid: its faces laid flat and joined along the edges they
// share, so that cut out and folded they make the solid. Prisms unroll their sides into a
// strip with a base on either side of its first face; the pyramid folds its four triangles
// up from the base; the cylinder unrolls into a rectangle between two discs, the cone
// into a sector touching its base.
class SolidNet {
public:
    // Every solid but the sphere, which has no net.
    static bool exists(SolidKind kind);

    // `values` in the order the solid view reads them (SolidDimensions::from): box a, b, h;
    // triangular prism a, b, c, h; trapezoidal prism a, b, c, angle B, h; cylinder and cone
    // r, h; pyramid a, b, h. No faces for the sphere or lengths that make no solid.
    static std::vector<NetFace> faces(SolidKind kind, const std::vector<double>& values);

    // The net as a drawing, its edges labelled with the fields' texts (in `values`' order).
    static FigureDrawing drawing(SolidKind kind, const std::vector<double>& values,
                                 const std::vector<QString>& texts);
};
