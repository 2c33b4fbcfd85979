#pragma once

#include <QLineF>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

// A figure as it goes on paper, in its own units of length with y growing upwards: the
// outlines (filled), dashed guides (heights, radii), the values written along sides and
// guides, and the vertices' names. Nothing here knows the page or the unit.
struct FigureDrawing {
    struct Dimension {
        QLineF along;  // the side or guide the value is written along
        QString name;  // "a", "r", "h"
        QString value; // as the field shows it
        // Which side of `along` the text goes: +1 left of its direction, -1 right, 0 on it.
        int side = 1;
        double at = 0.5; // where along the line, from its start
    };
    struct Vertex {
        QPointF at;
        QPointF outward; // direction away from the figure, any length
        QString name;
    };

    std::vector<QPainterPath> outlines;
    std::vector<QLineF> edges; // a wireframe's: solid lines, nothing filled
    std::vector<QLineF> guides;
    std::vector<Dimension> dimensions;
    std::vector<Vertex> vertices;

    // The outlines', edges' and guides' bounding box; empty when there is nothing to draw.
    QRectF bounds() const;
    bool isEmpty() const { return outlines.empty() && edges.empty(); }

    // A closed polygon's outline.
    void addPolygon(const std::vector<QPointF>& points);
    // The value along the edge of a convex polygon from points[i] to points[j], on the side
    // away from the polygon, whichever way round the edge is taken.
    void labelEdge(const std::vector<QPointF>& points, size_t i, size_t j, const QString& name,
                   const QString& value);
};
