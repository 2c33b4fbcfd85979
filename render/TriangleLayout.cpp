#include "render/TriangleLayout.h"

#include "core/Angles.h"

#include <cmath>

TriangleLayout::Case TriangleLayout::classify(const PlaneFigureReadings::Triangle& t)
{
    const double a = t.sideA, b = t.sideB, c = t.sideC;
    const double A = t.angleA, B = t.angleB, C = t.angleC;
    // A right angle goes to the case of its vertex; sides and angles are compared as shown.
    if (b + c > a && A >= 90 && B < 90)
        return Case::ApexOverBase;
    if (a + b > c && A < 90 && C >= 90)
        return Case::ApexBeyondC;
    if (a + c > b && A < 90 && B >= 90)
        return Case::ApexBeyondB;
    if ((a == b && b == c && A == 60 && B == 60) || (a == b && C < 90) || (b == c && A < 90) ||
        (a == c && B < 90) || (A < 90 && B < 90 && C < 90))
        return Case::ApexOverBase;
    return Case::None;
}

PlaneLayout TriangleLayout::layOut(const LayoutFrame& f, const PlaneFigureReadings::Triangle& t)
{
    PlaneLayout layout;
    layout.thisViewsDimensions = f.bounds;
    const double a = t.sideA, h = t.height;
    // Horizontal offsets of the apex; at a right angle they come out as about 0.
    const double u = h / std::tan(t.angleB * Angles::radiansPerDegree);
    const double v = h / std::tan((180 - t.angleC) * Angles::radiansPerDegree);
    const double w = h / std::tan((180 - t.angleB) * Angles::radiansPerDegree);

    QPointF p1, p2, p3; // vertex B, apex A, vertex C
    double s = 0;
    switch (classify(t)) {
    case Case::None:
        return layout;
    case Case::ApexOverBase:
        if (a / h > f.aspect) {
            s = f.W / a;
            p1 = narrowed(f.L, f.T + f.H / 2 - h * s / 2);
            p2 = narrowed(f.L + u * s, p1.y() + h * s);
            p3 = narrowed(f.L + a * s, p1.y());
        } else {
            s = f.H / h;
            p1 = narrowed(f.L + f.W / 2 - a * s / 2, f.T);
            p2 = narrowed(p1.x() + u * s, f.T + h * s);
            p3 = narrowed(p1.x() + a * s, f.T);
        }
        break;
    case Case::ApexBeyondC:
        if ((a + v) / h > f.aspect) {
            s = f.W / (a + v);
            p1 = narrowed(f.L, f.T + f.H / 2 - h * s / 2);
            p2 = narrowed(f.L + a * s + v * s, p1.y() + h * s);
            p3 = narrowed(f.L + a * s, p1.y());
        } else {
            s = f.H / h;
            p1 = narrowed(f.L + f.W / 2 - (a * s + v * s) / 2, f.T);
            p2 = narrowed(p1.x() + a * s + v * s, f.T + h * s);
            p3 = narrowed(p1.x() + a * s, f.T);
        }
        break;
    case Case::ApexBeyondB:
        if ((a + w) / h > f.aspect) {
            s = f.W / (a + w);
            p1 = narrowed(f.L + w * s, f.T + f.H / 2 - h * s / 2);
            p2 = narrowed(f.L, p1.y() + h * s);
            p3 = narrowed(f.L + a * s + w * s, p1.y());
        } else {
            s = f.H / h;
            p2 = narrowed(f.L + f.W / 2 - (a * s + w * s) / 2, f.T + h * s);
            p1 = narrowed(p2.x() + w * s, f.T);
            p3 = narrowed(p1.x() + a * s, f.T);
        }
        break;
    }
    layout.outline = PlaneLayout::Outline::Polygon;
    layout.scalingRatio = s;
    layout.points = {p1, p2, p3};
    layout.gridOrigin = p1;
    return layout;
}
