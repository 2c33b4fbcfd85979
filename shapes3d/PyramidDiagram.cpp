#include "shapes3d/PyramidDiagram.h"

#include "core/Localization.h"
#include "shapes3d/SolidSketch.h"

#include <QPainter>

void PyramidDiagram::paintShape(QPainter& painter, const QRectF& box)
{
    const QPointF depth = SolidSketch::depthIn(box);
    const QPointF frontLeft = box.bottomLeft();
    const QPointF frontRight = frontLeft + QPointF(box.width() * 0.68, 0);
    const QPointF backLeft = frontLeft + depth;
    const QPointF backRight = frontRight + depth;
    const QPointF centre = SolidSketch::middle(frontLeft, backRight);
    const QPointF apex(centre.x(), box.top());

    useShapeStyle(painter);
    const QPen outline = painter.pen();
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygonF({frontLeft, frontRight, backRight, apex}));
    painter.setPen(outline);
    for (const QPointF& corner : {frontLeft, frontRight, backRight})
        painter.drawLine(apex, corner);
    painter.drawLine(frontLeft, frontRight);
    painter.drawLine(frontRight, backRight);
    QPen hidden = outline;
    hidden.setStyle(Qt::DashLine);
    hidden.setWidthF(outline.widthF() * 0.6);
    painter.setPen(hidden);
    painter.drawLine(frontLeft, backLeft);
    painter.drawLine(backLeft, backRight);
    painter.drawLine(apex, backLeft);

    useMeasureStyle(painter);
    painter.drawLine(apex, centre);
    drawLabel(painter, SolidSketch::middle(frontLeft, frontRight) + QPointF(0, 12), localized("a"));
    drawLabel(painter, SolidSketch::middle(frontRight, backRight) + QPointF(10, 8), localized("b"));
    drawLabel(painter, SolidSketch::middle(apex, centre) + QPointF(8, 0), localized("h"));
}
