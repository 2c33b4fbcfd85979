#pragma once

#include "core/ShapeDiagram.h"

// The pyramid with its base sides a, b and its height marked.
class PyramidDiagram : public ShapeDiagram {
    Q_OBJECT
public:
    using ShapeDiagram::ShapeDiagram;

protected:
    void paintShape(QPainter& painter, const QRectF& box) override;
};
