#include "shapes2d/RegularPolygonDiagram.h"

#include "core/Localization.h"

#include <QPainter>
#include <QPolygonF>
#include <QtMath>

void RegularPolygonDiagram::paintShape(QPainter& painter, const QRectF& box)
{
    const QPointF centre = box.center() + QPointF(0, box.height() * 0.05);
    const qreal radius = box.width() * 0.45;
    QPolygonF corners;
    for (int k = 0; k < 5; ++k) {
        const qreal angle = qDegreesToRadians(-90.0 + 72.0 * k); // apex up in y-down pixels
        corners << centre + QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    useShapeStyle(painter);
    painter.drawPolygon(corners);

    // Corners 2 and 3 bound the bottom side.
    const QPointF bottomMiddle = (corners[2] + corners[3]) / 2;
    useMeasureStyle(painter);
    painter.drawLine(centre, corners[1]);
    painter.drawLine(centre, bottomMiddle);

    drawLabel(painter, bottomMiddle + QPointF(0, 10), localized("side"));
    drawLabel(painter, (centre + corners[1]) / 2 + QPointF(0, -9), localized("radius a"));
    drawLabel(painter, (centre + bottomMiddle) / 2 + QPointF(-26, 0), localized("radius b"));
}
