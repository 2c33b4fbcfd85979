#include "shapes2d/ParallelogramDiagram.h"

#include "core/Localization.h"

#include <QPainter>
#include <QPolygonF>

void ParallelogramDiagram::paintShape(QPainter& painter, const QRectF& box)
{
    const qreal lean = box.width() * 0.28;
    const qreal top = box.top() + box.height() * 0.22;
    const qreal bottom = box.bottom() - box.height() * 0.22;
    const QPointF bottomLeft(box.left(), bottom);
    const QPointF bottomRight(box.right() - lean, bottom);
    const QPointF topRight(box.right(), top);
    const QPointF topLeft(box.left() + lean, top);

    useShapeStyle(painter);
    painter.drawPolygon(QPolygonF({bottomLeft, bottomRight, topRight, topLeft}));
    useMeasureStyle(painter);
    painter.drawLine(topLeft, QPointF(topLeft.x(), bottom));

    drawLabel(painter, QPointF((bottomLeft.x() + bottomRight.x()) / 2, bottom + 10),
              localized("a"));
    drawLabel(painter, (bottomLeft + topLeft) / 2 + QPointF(-10, 0), localized("b"));
    drawLabel(painter, QPointF(topLeft.x() + 8, (top + bottom) / 2), localized("h"));
    drawLabel(painter, bottomLeft + QPointF(22, -9), localized("A"));
    drawLabel(painter, bottomRight + QPointF(-12, -9), localized("B"));
}
