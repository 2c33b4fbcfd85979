#pragma once

#include "render/PlaneFigureReadings.h"
#include "render/PlaneLayout.h"

#include <QRectF>
#include <QString>

#include <optional>

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

    // The figure a plane tab identifier ("Regular Polygon", ...) names, if any.
    static std::optional<Figure> figureNamed(const QString& identifier);

    static PlaneLayout layOut(const QRectF& bounds, const PlaneFigureReadings::Any& readings);
};
