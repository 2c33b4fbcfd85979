#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRectF>

class QPainter;

// Drawing steps the solid diagrams share: prisms in a cabinet view (front face true to
// shape, depth receding up and to the right) and flat circles seen from slightly above.
class SolidSketch {
public:
    // The offset of the back face from the front face within the diagram's box.
    static QPointF depthIn(const QRectF& box) { return {box.width() * 0.28, -box.height() * 0.28}; }
    // Draws the prism with the painter's pen and brush: hidden back edges dashed, the
    // front face filled last so it reads as nearest.
    static void drawPrism(QPainter& painter, const QPolygonF& front, const QPointF& depth);
    // The bounding box of a circle lying flat, foreshortened to a third of its depth.
    static QRectF flatCircle(const QPointF& centre, qreal radius);
    static QPointF middle(const QPointF& p, const QPointF& q) { return (p + q) / 2; }
};
