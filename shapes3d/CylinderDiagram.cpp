#include "shapes3d/CylinderDiagram.h"

#include "core/Localization.h"
#include "shapes3d/SolidSketch.h"

#include <QPainter>

void CylinderDiagram::paintShape(QPainter& painter, const QRectF& box)
{
    const qreal r = box.width() * 0.38;
    const QPointF top(box.center().x(), box.top() + r / 3);
    const QPointF bottom(box.center().x(), box.bottom() - r / 3);
    const QRectF topRim = SolidSketch::flatCircle(top, r);
    const QRectF bottomRim = SolidSketch::flatCircle(bottom, r);

    useShapeStyle(painter);
    const QPen outline = painter.pen();
    painter.setPen(Qt::NoPen);
    painter.drawRect(QRectF(top.x() - r, top.y(), 2 * r, bottom.y() - top.y()));
    painter.drawChord(bottomRim, 180 * 16, 180 * 16);
    painter.setPen(outline);
    painter.drawLine(top + QPointF(-r, 0), bottom + QPointF(-r, 0));
    painter.drawLine(top + QPointF(r, 0), bottom + QPointF(r, 0));
    painter.drawArc(bottomRim, 180 * 16, 180 * 16);
    painter.drawEllipse(topRim);
    QPen hidden = outline;
    hidden.setStyle(Qt::DashLine);
    hidden.setWidthF(outline.widthF() * 0.6);
    painter.setPen(hidden);
    painter.drawArc(bottomRim, 0, 180 * 16);

    useMeasureStyle(painter);
    painter.drawLine(top, top + QPointF(r, 0));
    drawLabel(painter, top + QPointF(r / 2, -7), localized("r"));
    drawLabel(painter, SolidSketch::middle(top, bottom) + QPointF(r + 10, 0), localized("h"));
}
