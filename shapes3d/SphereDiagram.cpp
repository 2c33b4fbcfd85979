#include "shapes3d/SphereDiagram.h"

#include "core/Localization.h"
#include "shapes3d/SolidSketch.h"

#include <QPainter>
#include <QtMath>

void SphereDiagram::paintShape(QPainter& painter, const QRectF& box)
{
    const QPointF centre = box.center();
    const qreal r = box.width() / 2;
    const QRectF equator = SolidSketch::flatCircle(centre, r);

    useShapeStyle(painter);
    painter.drawEllipse(box);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(equator, 180 * 16, 180 * 16);
    QPen hidden = painter.pen();
    hidden.setStyle(Qt::DashLine);
    hidden.setWidthF(hidden.widthF() * 0.6);
    painter.setPen(hidden);
    painter.drawArc(equator, 0, 180 * 16);

    useMeasureStyle(painter);
    painter.drawLine(centre - QPointF(r, 0), centre + QPointF(r, 0));
    const QPointF rim =
        centre + r * QPointF(qCos(qDegreesToRadians(45.0)), -qSin(qDegreesToRadians(45.0)));
    painter.drawLine(centre, rim);
    drawLabel(painter, SolidSketch::middle(centre, rim) + QPointF(-8, -6), localized("r"));
    drawLabel(painter, centre + QPointF(-r / 2, 9), localized("D"));
}
