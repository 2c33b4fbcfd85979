#pragma once

#include "core/ShapeDiagram.h"

// The cylinder with its radius and height marked.
class CylinderDiagram : public ShapeDiagram {
    Q_OBJECT
public:
    using ShapeDiagram::ShapeDiagram;

protected:
    void paintShape(QPainter& painter, const QRectF& box) override;
};
