#include "shapes2d/SquareDiagram.h"

#include "core/Localization.h"

#include <QPainter>

void SquareDiagram::paintShape(QPainter& painter, const QRectF& box)
{
    const QRectF square = box.adjusted(12, 12, -12, -12);
    useShapeStyle(painter);
    painter.drawRect(square);
    drawLabel(painter, QPointF(square.center().x(), square.bottom() + 10), localized("a"));
    drawLabel(painter, QPointF(square.right() + 9, square.center().y()), localized("a"));
}
