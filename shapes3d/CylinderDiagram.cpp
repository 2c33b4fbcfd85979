#include "shapes3d/CylinderDiagram.h"

#include "core/Localization.h"
#include "shapes3d/SolidSketch.h"

#include <QPainter>
#include <QPainterPath>

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
    // The side is filled around the top face, not under it: a translucent fill laid twice
    // would give the top two tones.
    QPainterPath side;
    side.addRect(QRectF(top.x() - r, top.y(), 2 * r, bottom.y() - top.y()));
    QPainterPath base;
    base.addEllipse(bottomRim);
    QPainterPath topFace;
    topFace.addEllipse(topRim);
    painter.drawPath(side.united(base).subtracted(topFace));
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
