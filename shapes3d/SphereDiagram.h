#pragma once

#include "core/ShapeDiagram.h"

// The sphere with its radius and diameter marked.
class SphereDiagram : public ShapeDiagram {
    Q_OBJECT
public:
    using ShapeDiagram::ShapeDiagram;

protected:
    void paintShape(QPainter& painter, const QRectF& box) override;
};
