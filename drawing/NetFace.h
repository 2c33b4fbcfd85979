#pragma once

#include <QPainterPath>
#include <QPointF>

#include <vector>

// One face of a solid's net, in the solid's units with y growing upwards: a polygon, a
// disc or a circular sector. Its area comes from its own geometry (the polygon's vertices,
// the disc's radius, the sector's radius and sweep), not from the solid's formulas.
struct NetFace {
    enum class Kind { Polygon, Disc, Sector };

    Kind kind = Kind::Polygon;
    std::vector<QPointF> points; // a polygon's vertices
    QPointF centre;              // a disc's or a sector's
    double radius = 0;
    double startDegrees = 0; // a sector's, counter-clockwise from +x
    double sweepDegrees = 0;

    static NetFace polygon(std::vector<QPointF> points);
    static NetFace disc(const QPointF& centre, double radius);
    static NetFace sector(const QPointF& centre, double radius, double startDegrees,
                          double sweepDegrees);

    double area() const;
    QPainterPath outline() const;
};
