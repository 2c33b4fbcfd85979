#pragma once

#include "render/PlaneFigureReadings.h"
#include "render/PlaneLayout.h"

#include <QRectF>
#include <QString>

#include <vector>

// Fits a solved plane figure into a view with a margin of 20 units, centred, and says
// where its outline and its grid go.
class PlaneFigureLayout {
public:
    enum class Figure {
        Ellipse,
        Circle,
        Rectangle,
        Square,
        Triangle,
        Trapezium,
        Parallelogram,
        RegularPolygon
    };

    // A figure's readings from its quantities, in the order of its readings' members
    // (see PlaneFigureReadings); missing trailing values read 0.
    static PlaneFigureReadings::Any readings(Figure figure, std::vector<float> values);

    static PlaneLayout layOut(const QRectF& bounds, const PlaneFigureReadings::Any& readings);
};
