#include "shapes3d/ConeDiagram.h"

#include "core/Localization.h"
#include "shapes3d/SolidSketch.h"

#include <QPainter>

void ConeDiagram::paintShape(QPainter& painter, const QRectF& box)
{
    const qreal r = box.width() * 0.38;
    const QPointF apex(box.center().x(), box.top());
    const QPointF centre(box.center().x(), box.bottom() - r / 3);
    const QPointF left = centre - QPointF(r, 0);
    const QPointF right = centre + QPointF(r, 0);
    const QRectF rim = SolidSketch::flatCircle(centre, r);

    useShapeStyle(painter);
    const QPen outline = painter.pen();
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygonF({apex, left, right}));
    painter.drawChord(rim, 180 * 16, 180 * 16);
    painter.setPen(outline);
    painter.drawLine(apex, left);
    painter.drawLine(apex, right);
    painter.drawArc(rim, 180 * 16, 180 * 16);
    QPen hidden = outline;
    hidden.setStyle(Qt::DashLine);
    hidden.setWidthF(outline.widthF() * 0.6);
    painter.setPen(hidden);
    painter.drawArc(rim, 0, 180 * 16);

    useMeasureStyle(painter);
    painter.drawLine(apex, centre);
    painter.drawLine(centre, right);
    drawLabel(painter, SolidSketch::middle(apex, centre) + QPointF(8, 0), localized("h"));
    drawLabel(painter, SolidSketch::middle(centre, right) + QPointF(0, -7), localized("r"));
    drawLabel(painter, SolidSketch::middle(apex, left) + QPointF(-10, 0), localized("s"));
}
