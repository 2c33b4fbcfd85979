#include "shapes3d/TrapezoidalPrismDiagram.h"

#include "core/Localization.h"
#include "shapes3d/SolidSketch.h"

#include <QPainter>
#include <QtMath>

void TrapezoidalPrismDiagram::paintShape(QPainter& painter, const QRectF& box)
{
    // The cross-section stands on a; b rises at angle B from a's right end, c runs along
    // the top, and d closes the trapezium on the left.
    const QPointF depth = SolidSketch::depthIn(box);
    const QPointF bottomLeft = box.bottomLeft();
    const QPointF bottomRight = bottomLeft + QPointF(box.width() * 0.66, 0);
    const qreal top = box.top() - depth.y();
    const QPointF topRight(bottomRight.x() - box.width() * 0.14, top);
    const QPointF topLeft(box.left() + box.width() * 0.1, top);
    useShapeStyle(painter);
    SolidSketch::drawPrism(painter, QPolygonF({bottomLeft, bottomRight, topRight, topLeft}), depth);

    // Qt's arc angles run counter-clockwise on screen, from three o'clock.
    const QPointF leg = topRight - bottomRight;
    const qreal legAngle = qRadiansToDegrees(qAtan2(-leg.y(), leg.x()));
    const qreal arcRadius = 16;
    useMeasureStyle(painter);
    painter.setPen(QPen(painter.pen().color(), 1.2));
    painter.drawArc(
        QRectF(bottomRight - QPointF(arcRadius, arcRadius), QSizeF(2 * arcRadius, 2 * arcRadius)),
        qRound(legAngle * 16), qRound((180 - legAngle) * 16));
    const qreal bisector = qDegreesToRadians((legAngle + 180) / 2);
    drawLabel(painter, bottomRight + (arcRadius + 8) * QPointF(qCos(bisector), -qSin(bisector)),
              localized("B"));

    drawLabel(painter, SolidSketch::middle(bottomLeft, bottomRight) + QPointF(0, 12),
              localized("a"));
    drawLabel(painter, SolidSketch::middle(bottomRight, topRight) + QPointF(10, 0), localized("b"));
    drawLabel(painter, SolidSketch::middle(topLeft, topRight) + QPointF(-8, -9), localized("c"));
    drawLabel(painter, SolidSketch::middle(bottomLeft, topLeft) + QPointF(-10, 0), localized("d"));
    drawLabel(painter, SolidSketch::middle(bottomRight, bottomRight + depth) + QPointF(12, 8),
              localized("h"));
}
