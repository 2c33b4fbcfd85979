#include "drawing/NetFace.h"

#include <cmath>
#include <numbers>

NetFace NetFace::polygon(std::vector<QPointF> points)
{
    NetFace face;
    face.points = std::move(points);
    return face;
}

NetFace NetFace::disc(const QPointF& centre, double radius)
{
    NetFace face;
    face.kind = Kind::Disc;
    face.centre = centre;
    face.radius = radius;
    return face;
}

NetFace NetFace::sector(const QPointF& centre, double radius, double startDegrees,
                        double sweepDegrees)
{
    NetFace face;
    face.kind = Kind::Sector;
    face.centre = centre;
    face.radius = radius;
    face.startDegrees = startDegrees;
    face.sweepDegrees = sweepDegrees;
    return face;
}

double NetFace::area() const
{
    switch (kind) {
    case Kind::Polygon: {
        double twice = 0;
        for (size_t i = 0; i < points.size(); ++i) {
            const QPointF& p = points[i];
            const QPointF& q = points[(i + 1) % points.size()];
            twice += p.x() * q.y() - q.x() * p.y();
        }
        return std::abs(twice) / 2;
    }
    case Kind::Disc:
        return std::numbers::pi * radius * radius;
    case Kind::Sector:
        return radius * radius * (sweepDegrees * std::numbers::pi / 180) / 2;
    }
    return 0;
}

QPainterPath NetFace::outline() const
{
    QPainterPath path;
    const QRectF square(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
    switch (kind) {
    case Kind::Polygon:
        if (points.empty())
            break;
        path.moveTo(points.front());
        for (size_t i = 1; i < points.size(); ++i)
            path.lineTo(points[i]);
        path.closeSubpath();
        break;
    case Kind::Disc:
        path.addEllipse(square);
        break;
    case Kind::Sector:
        // QPainterPath's angles turn counter-clockwise in a y-down frame; the net's y is up.
        path.moveTo(centre);
        path.arcTo(square, -startDegrees, -sweepDegrees);
        path.closeSubpath();
        break;
    }
    return path;
}
