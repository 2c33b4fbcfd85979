#include "shapes2d/CircleDiagram.h"

#include "core/Localization.h"

#include <QPainter>
#include <QtMath>

void CircleDiagram::paintShape(QPainter& painter, const QRectF& box)
{
    useShapeStyle(painter);
    painter.drawEllipse(box);

    const QPointF centre = box.center();
    const qreal r = box.width() / 2;
    useMeasureStyle(painter);
    // The diameter is the chord through the centre; the radius leaves the centre upwards.
    painter.drawLine(QPointF(box.left(), centre.y()), QPointF(box.right(), centre.y()));
    const QPointF rim(centre.x() + r * qCos(qDegreesToRadians(-45.0)),
                      centre.y() + r * qSin(qDegreesToRadians(-45.0)));
    painter.drawLine(centre, rim);

    drawLabel(painter, (centre + rim) / 2 + QPointF(-14, -6), localized("radius"));
    drawLabel(painter, QPointF(centre.x(), centre.y() + 10), localized("diameter"));
    drawLabel(painter, QPointF(centre.x(), box.bottom() + 10), localized("circumference"));
}
