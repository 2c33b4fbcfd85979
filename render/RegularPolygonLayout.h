#pragma once

#include "render/LayoutFrame.h"
#include "render/PlaneFigureReadings.h"
#include "render/PlaneLayout.h"

// Centres a regular polygon on the view with its circumcircle filling the smaller side of
// the drawing area. It stands with a horizontal bottom edge: a square upright, a hexagon
// with flat top and bottom, an odd polygon apex up. Above 60 sides it is drawn as a circle.
class RegularPolygonLayout {
public:
    static constexpr int mostSidesDrawn = 60;

    static PlaneLayout layOut(const LayoutFrame& frame,
                              const PlaneFigureReadings::RegularPolygon& polygon);
};
