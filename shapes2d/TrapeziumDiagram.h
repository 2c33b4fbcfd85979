#pragma once

#include "core/ShapeDiagram.h"

// A trapezium with base a at the bottom and c on top, leg d on the left and b on the
// right, angles A and B at the ends of a, C and D at the ends of c, and the height.
class TrapeziumDiagram : public ShapeDiagram {
    Q_OBJECT
public:
    using ShapeDiagram::ShapeDiagram;

protected:
    void paintShape(QPainter& painter, const QRectF& box) override;
};
