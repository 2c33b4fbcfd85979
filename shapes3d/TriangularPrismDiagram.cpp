#include "shapes3d/TriangularPrismDiagram.h"

#include "core/Localization.h"
#include "shapes3d/SolidSketch.h"

#include <QPainter>

void TriangularPrismDiagram::paintShape(QPainter& painter, const QRectF& box)
{
    // The cross-section stands on a; c rises from a's left end, b from its right end.
    const QPointF depth = SolidSketch::depthIn(box);
    const QPointF left = box.bottomLeft();
    const QPointF right = left + QPointF(box.width() * 0.66, 0);
    const QPointF apex(box.left() + box.width() * 0.2, box.top() - depth.y());
    useShapeStyle(painter);
    SolidSketch::drawPrism(painter, QPolygonF({left, right, apex}), depth);

    drawLabel(painter, SolidSketch::middle(left, right) + QPointF(0, 12), localized("a"));
    drawLabel(painter, SolidSketch::middle(right, apex) + QPointF(12, 2), localized("b"));
    drawLabel(painter, SolidSketch::middle(left, apex) + QPointF(-10, 0), localized("c"));
    drawLabel(painter, SolidSketch::middle(right, right + depth) + QPointF(10, 8), localized("h"));
}
