#include "render/PlaneFigurePainter.h"

#include "render/PlaneGrid.h"

#include <QPainter>
#include <QPolygonF>

void PlaneFigurePainter::paintBlank(QPainter& painter, const QRectF& deviceRect)
{
    painter.fillRect(deviceRect, Qt::white);
}

QPainterPath PlaneFigurePainter::outlinePath(const PlaneLayout& layout)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const QRectF box = layout.box.translated(0.5, 0.5);
    switch (layout.outline) {
    case PlaneLayout::Outline::Nothing:
        break;
    case PlaneLayout::Outline::Oval:
        path.addEllipse(box);
        break;
    case PlaneLayout::Outline::Rectangle:
        path.addRect(box);
        break;
    case PlaneLayout::Outline::Polygon: {
        if (layout.points.empty())
            break;
        const QPointF shift = layout.shiftPoints ? QPointF(0.5, 0.5) : QPointF();
        path.moveTo(layout.points.front() + shift);
        for (size_t i = 1; i < layout.points.size(); ++i)
            path.lineTo(layout.points[i] + shift);
        path.closeSubpath();
        break;
    }
    }
    return path;
}

void PlaneFigurePainter::paint(QPainter& painter, int deviceHeight, const PlaneLayout& layout,
                               double gridSpacing)
{
    painter.save();
    // The layout's coordinates grow upwards from the lower-left corner.
    painter.translate(0, deviceHeight);
    painter.scale(1, -1);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF& bounds = layout.thisViewsDimensions;
    painter.fillRect(bounds, Qt::white);
    if (layout.isEmpty()) {
        painter.restore();
        return;
    }

    QPen gridPen(gridLine(), 1.0);
    QPen tenthPen(tenthGridLine(), 1.0);
    for (const PlaneGrid::Line& line :
         PlaneGrid::draw2DGrid(bounds, gridSpacing, layout.gridOrigin)) {
        painter.setPen(line.opaque ? tenthPen : gridPen);
        painter.drawLine(line.line);
    }

    paintOutline(painter, outlinePath(layout), 1.0);
    painter.restore();
}

void PlaneFigurePainter::paintOutline(QPainter& painter, const QPainterPath& outline,
                                      double lineWidth)
{
    painter.setPen(QPen(Qt::black, lineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    // Painted over the outline, the fill covers the line's inner half.
    painter.fillPath(outline, figureFill());
}
