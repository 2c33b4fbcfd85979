#pragma once

#include "core/ShapeDiagram.h"

// A regular pentagon, apex up, with its side, radius a (centre to a corner) and radius b
// (centre to the middle of a side).
class RegularPolygonDiagram : public ShapeDiagram {
    Q_OBJECT
public:
    using ShapeDiagram::ShapeDiagram;

protected:
    void paintShape(QPainter& painter, const QRectF& box) override;
};
