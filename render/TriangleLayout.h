#pragma once

#include "render/LayoutFrame.h"
#include "render/PlaneFigureReadings.h"
#include "render/PlaneLayout.h"

// Stands a triangle on its side a: vertex B at the left end of the base, the apex A above
// (over the base, or overhanging beyond C or beyond B), vertex C at the right end.
class TriangleLayout {
public:
    enum class Case { None, ApexOverBase, ApexBeyondC, ApexBeyondB };

    // Which way the triangle stands, by its case table in order of precedence.
    static Case classify(const PlaneFigureReadings::Triangle& triangle);
    static PlaneLayout layOut(const LayoutFrame& frame, const PlaneFigureReadings::Triangle& t);
};
