#pragma once

#include "core/ShapeDiagram.h"

// A rectangle with side a at the bottom and side b upright.
class RectangleDiagram : public ShapeDiagram {
    Q_OBJECT
public:
    using ShapeDiagram::ShapeDiagram;

protected:
    void paintShape(QPainter& painter, const QRectF& box) override;
};
