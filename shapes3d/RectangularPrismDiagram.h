#pragma once

#include "core/ShapeDiagram.h"

// The box with its edges a, b and the height marked.
class RectangularPrismDiagram : public ShapeDiagram {
    Q_OBJECT
public:
    using ShapeDiagram::ShapeDiagram;

protected:
    void paintShape(QPainter& painter, const QRectF& box) override;
};
