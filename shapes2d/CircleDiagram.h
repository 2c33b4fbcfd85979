#pragma once

#include "core/ShapeDiagram.h"

// The circle with its radius and diameter marked.
class CircleDiagram : public ShapeDiagram {
    Q_OBJECT
public:
    using ShapeDiagram::ShapeDiagram;

protected:
    void paintShape(QPainter& painter, const QRectF& box) override;
};
