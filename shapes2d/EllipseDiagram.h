#pragma once

#include "core/ShapeDiagram.h"

// An ellipse with radius a drawn upright and radius b across, as the figure view draws it.
class EllipseDiagram : public ShapeDiagram {
    Q_OBJECT
public:
    using ShapeDiagram::ShapeDiagram;

protected:
    void paintShape(QPainter& painter, const QRectF& box) override;
};
