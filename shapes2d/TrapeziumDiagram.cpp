#include "shapes2d/TrapeziumDiagram.h"

#include "core/Localization.h"

#include <QPainter>
#include <QPolygonF>

void TrapeziumDiagram::paintShape(QPainter& painter, const QRectF& box)
{
    const qreal top = box.top() + box.height() * 0.2;
    const qreal bottom = box.bottom() - box.height() * 0.2;
    const QPointF cornerA(box.left(), bottom);
    const QPointF cornerB(box.right(), bottom);
    const QPointF cornerC(box.right() - box.width() * 0.18, top);
    const QPointF cornerD(box.left() + box.width() * 0.3, top);

    useShapeStyle(painter);
    painter.drawPolygon(QPolygonF({cornerA, cornerB, cornerC, cornerD}));
    useMeasureStyle(painter);
    painter.drawLine(cornerD, QPointF(cornerD.x(), bottom));

    drawLabel(painter, (cornerA + cornerB) / 2 + QPointF(0, 10), localized("a"));
    drawLabel(painter, (cornerB + cornerC) / 2 + QPointF(9, 0), localized("b"));
    drawLabel(painter, (cornerC + cornerD) / 2 + QPointF(0, -9), localized("c"));
    drawLabel(painter, (cornerD + cornerA) / 2 + QPointF(-9, 0), localized("d"));
    drawLabel(painter, cornerA + QPointF(20, -8), localized("A"));
    drawLabel(painter, cornerB + QPointF(-18, -8), localized("B"));
    drawLabel(painter, cornerC + QPointF(-10, 9), localized("C"));
    drawLabel(painter, cornerD + QPointF(10, 9), localized("D"));
    drawLabel(painter, QPointF(cornerD.x() + 7, (top + bottom) / 2), localized("h"));
}
