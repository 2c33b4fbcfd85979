#include "render/RegularPolygonLayout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The vertex at `degrees` on the circle of radius rho about (cx, cy): y first, in single
// precision, then x on the circle at that height, on the side the angle points to. Points
// on the axes are set exactly.
QPointF vertexAt(double degrees, double cx, double cy, double rho)
{
    double turn = std::fmod(degrees, 360.0);
    if (turn < 0)
        turn += 360;
    if (turn == 0)
        return narrowed(cx + rho, cy);
    if (turn == 90)
        return narrowed(cx, cy + rho);
    if (turn == 180)
        return narrowed(cx - rho, cy);
    if (turn == 270)
        return narrowed(cx, cy - rho);
    const float y = float(cy + rho * std::sin(degrees * (std::numbers::pi / 180)));
    const double dy = double(y) - cy;
    // Rounding y may put it a hair beyond the circle; that must not make x undefined.
    const double dx = std::sqrt(std::max(0.0, rho * rho - dy * dy));
    const bool right = turn < 90 || turn > 270;
    return narrowed(right ? cx + dx : cx - dx, y);
}

} // namespace

PlaneLayout RegularPolygonLayout::layOut(const LayoutFrame& f,
                                         const PlaneFigureReadings::RegularPolygon& polygon)
{
    PlaneLayout layout;
    layout.thisViewsDimensions = f.bounds;
    const QPointF centre = narrowed(f.viewCentre().x(), f.viewCentre().y());
    const double cx = centre.x(), cy = centre.y();
    const double radius = polygon.radiusA;
    const double s = f.aspect > 1 ? f.H / (2 * radius) : f.W / (2 * radius);
    const double rho = radius * s;
    layout.scalingRatio = s;
    layout.gridOrigin = centre;
    layout.shiftPoints = false;

    const double sides = polygon.sides;
    if (sides > mostSidesDrawn) {
        layout.outline = PlaneLayout::Outline::Oval;
        layout.box = QRectF(cx - rho, cy - rho, 2 * rho, 2 * rho);
        return layout;
    }
    layout.outline = PlaneLayout::Outline::Polygon;
    // The calculator writes a whole number of at least 3; anything else gives no vertices
    // rather than a conversion without a defined result.
    if (!(sides >= 0))
        return layout;
    const int n = int(sides);
    const double step = 360.0 / n;
    for (int k = 0; k < n; ++k) {
        double angle;
        if (n % 4 == 0)
            angle = step / 2 + k * step; // edges parallel to both axes
        else if (n % 2 == 0)
            angle = k * step; // a vertex to the right: flat top and bottom
        else
            angle = 90 - k * step; // apex up, then clockwise: flat bottom
        layout.points.push_back(vertexAt(angle, cx, cy, rho));
    }
    return layout;
}
