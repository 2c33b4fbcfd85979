#include "drawing/FigureDrawing.h"

QRectF FigureDrawing::bounds() const
{
    QRectF box;
    for (const QPainterPath& path : outlines)
        box = box.isNull() ? path.boundingRect() : box.united(path.boundingRect());
    for (const std::vector<QLineF>* lines : {&edges, &guides}) {
        for (const QLineF& line : *lines) {
            const QRectF span = QRectF(line.p1(), line.p2()).normalized();
            box = box.isNull() ? span : box.united(span);
        }
    }
    return box;
}

void FigureDrawing::addPolygon(const std::vector<QPointF>& points)
{
    if (points.empty())
        return;
    QPainterPath path;
    path.moveTo(points.front());
    for (size_t i = 1; i < points.size(); ++i)
        path.lineTo(points[i]);
    path.closeSubpath();
    outlines.push_back(path);
}

void FigureDrawing::labelEdge(const std::vector<QPointF>& points, size_t i, size_t j,
                              const QString& name, const QString& value)
{
    if (i >= points.size() || j >= points.size())
        return;
    QPointF centre;
    for (const QPointF& p : points)
        centre += p / double(points.size());
    const QPointF along = points[j] - points[i], inward = centre - points[i];
    // The figure lies left of the edge when the turn from it to the centre is positive.
    const double turn = along.x() * inward.y() - along.y() * inward.x();
    dimensions.push_back({QLineF(points[i], points[j]), name, value, turn > 0 ? -1 : 1});
}
