#pragma once

#include "core/ShapeDiagram.h"

// A scalene triangle: side a at the bottom, sides b and c, each opposite its angle, and
// the height onto a.
class TriangleDiagram : public ShapeDiagram {
    Q_OBJECT
public:
    using ShapeDiagram::ShapeDiagram;

protected:
    void paintShape(QPainter& painter, const QRectF& box) override;
};
