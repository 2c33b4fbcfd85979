#include "shapes2d/EllipseDiagram.h"

#include "core/Localization.h"

#include <QPainter>

void EllipseDiagram::paintShape(QPainter& painter, const QRectF& box)
{
    const QPointF centre = box.center();
    const qreal rb = box.width() / 2 - 4;
    const qreal ra = box.height() * 0.32;
    useShapeStyle(painter);
    painter.drawEllipse(centre, rb, ra);

    useMeasureStyle(painter);
    painter.drawLine(centre, centre - QPointF(0, ra));
    painter.drawLine(centre, centre + QPointF(rb, 0));
    drawLabel(painter, centre + QPointF(-10, -ra / 2), localized("a"));
    drawLabel(painter, centre + QPointF(rb / 2, 9), localized("b"));
}
