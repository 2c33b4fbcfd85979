#pragma once

#include "core/ShapeDiagram.h"

// A square with its side named.
class SquareDiagram : public ShapeDiagram {
    Q_OBJECT
public:
    using ShapeDiagram::ShapeDiagram;

protected:
    void paintShape(QPainter& painter, const QRectF& box) override;
};
