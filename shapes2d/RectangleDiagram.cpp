#include "shapes2d/RectangleDiagram.h"

#include "core/Localization.h"

#include <QPainter>

void RectangleDiagram::paintShape(QPainter& painter, const QRectF& box)
{
    const QRectF rectangle(box.left() + 8, box.top() + box.height() * 0.22, box.width() - 24,
                           box.height() * 0.56);
    useShapeStyle(painter);
    painter.drawRect(rectangle);
    drawLabel(painter, QPointF(rectangle.center().x(), rectangle.bottom() + 10), localized("a"));
    drawLabel(painter, QPointF(rectangle.right() + 9, rectangle.center().y()), localized("b"));
}
