#include "shapes3d/SolidSketch.h"

#include <QPainter>

void SolidSketch::drawPrism(QPainter& painter, const QPolygonF& front, const QPointF& depth)
{
    const QPolygonF back = front.translated(depth);
    const QPen solid = painter.pen();
    QPen hidden = solid;
    hidden.setStyle(Qt::DashLine);
    hidden.setWidthF(solid.widthF() * 0.6);

    // A back vertex is hidden when it lies inside the front face or behind the silhouette;
    // for the convex faces drawn here, the one furthest down-left is.
    int hiddenVertex = 0;
    for (int i = 1; i < back.size(); ++i) {
        if (back[i].x() - back[i].y() < back[hiddenVertex].x() - back[hiddenVertex].y())
            hiddenVertex = i;
    }

    painter.save();
    for (int i = 0; i < back.size(); ++i) {
        const int next = (i + 1) % back.size();
        const bool touchesHidden = i == hiddenVertex || next == hiddenVertex;
        painter.setPen(touchesHidden ? hidden : solid);
        painter.drawLine(back[i], back[next]);
        painter.setPen(i == hiddenVertex ? hidden : solid);
        painter.drawLine(front[i], back[i]);
    }
    painter.setPen(solid);
    painter.drawPolygon(front);
    painter.restore();
}

QRectF SolidSketch::flatCircle(const QPointF& centre, qreal radius)
{
    return {centre.x() - radius, centre.y() - radius / 3, 2 * radius, 2 * radius / 3};
}
