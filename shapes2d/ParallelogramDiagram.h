#pragma once

#include "core/ShapeDiagram.h"

// A parallelogram leaning right: side a at the bottom, side b on the left, angle A at the
// bottom left, the height onto a.
class ParallelogramDiagram : public ShapeDiagram {
    Q_OBJECT
public:
    using ShapeDiagram::ShapeDiagram;

protected:
    void paintShape(QPainter& painter, const QRectF& box) override;
};
