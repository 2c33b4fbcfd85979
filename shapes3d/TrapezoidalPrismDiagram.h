#pragma once

#include "core/ShapeDiagram.h"

// The prism with its trapezium standing on side a at the front, the angle B between a
// and b, and the height running into the depth.
class TrapezoidalPrismDiagram : public ShapeDiagram {
    Q_OBJECT
public:
    using ShapeDiagram::ShapeDiagram;

protected:
    void paintShape(QPainter& painter, const QRectF& box) override;
};
