#pragma once

#include "core/ShapeDiagram.h"

// The prism with its triangle standing on side a at the front and the height running
// into the depth.
class TriangularPrismDiagram : public ShapeDiagram {
    Q_OBJECT
public:
    using ShapeDiagram::ShapeDiagram;

protected:
    void paintShape(QPainter& painter, const QRectF& box) override;
};
