#pragma once

#include "core/ShapeDiagram.h"

// The cone with its radius, height and slant height marked.
class ConeDiagram : public ShapeDiagram {
    Q_OBJECT
public:
    using ShapeDiagram::ShapeDiagram;

protected:
    void paintShape(QPainter& painter, const QRectF& box) override;
};
