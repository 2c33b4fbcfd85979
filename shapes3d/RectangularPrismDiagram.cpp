#include "shapes3d/RectangularPrismDiagram.h"

#include "core/Localization.h"
#include "shapes3d/SolidSketch.h"

#include <QPainter>

void RectangularPrismDiagram::paintShape(QPainter& painter, const QRectF& box)
{
    const QPointF depth = SolidSketch::depthIn(box);
    const QRectF front(box.left(), box.top() - depth.y(), box.width() * 0.62,
                       box.height() + depth.y());
    const QPolygonF face(
        {front.bottomLeft(), front.bottomRight(), front.topRight(), front.topLeft()});
    useShapeStyle(painter);
    SolidSketch::drawPrism(painter, face, depth);

    drawLabel(painter,
              SolidSketch::middle(front.bottomLeft(), front.bottomRight()) + QPointF(0, 12),
              localized("a"));
    drawLabel(painter,
              SolidSketch::middle(front.bottomRight(), front.bottomRight() + depth) +
                  QPointF(10, 8),
              localized("b"));
    drawLabel(painter, SolidSketch::middle(front.bottomLeft(), front.topLeft()) + QPointF(-10, 0),
              localized("h"));
}
