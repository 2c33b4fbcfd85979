#include "shapes2d/TriangleDiagram.h"

#include "core/Localization.h"

#include <QPainter>
#include <QPolygonF>

void TriangleDiagram::paintShape(QPainter& painter, const QRectF& box)
{
    // Side a runs from B (left) to C (right); A is the apex opposite it.
    const qreal bottom = box.bottom() - box.height() * 0.12;
    const QPointF cornerB(box.left(), bottom);
    const QPointF cornerC(box.right(), bottom);
    const QPointF cornerA(box.left() + box.width() * 0.35, box.top() + box.height() * 0.12);
    const QPointF foot(cornerA.x(), bottom);

    useShapeStyle(painter);
    painter.drawPolygon(QPolygonF({cornerB, cornerC, cornerA}));
    useMeasureStyle(painter);
    painter.drawLine(cornerA, foot);

    drawLabel(painter, (cornerB + cornerC) / 2 + QPointF(0, 10), localized("a"));
    drawLabel(painter, (cornerA + cornerC) / 2 + QPointF(9, -6), localized("b"));
    drawLabel(painter, (cornerA + cornerB) / 2 + QPointF(-9, -6), localized("c"));
    drawLabel(painter, cornerA + QPointF(0, -9), localized("A"));
    drawLabel(painter, cornerB + QPointF(18, -8), localized("B"));
    drawLabel(painter, cornerC + QPointF(-22, -8), localized("C"));
    drawLabel(painter, (cornerA + foot) / 2 + QPointF(7, 0), localized("h"));
}
