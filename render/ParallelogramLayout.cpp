#include "render/ParallelogramLayout.h"

#include "core/Angles.h"

#include <cmath>

ParallelogramLayout::Case ParallelogramLayout::classify(const PlaneFigureReadings::Parallelogram& p)
{
    const double A = p.angleA, B = p.angleB;
    if (A <= 90 && B >= 90)
        return Case::LeaningRight;
    if (A > 90 && B < 90)
        return Case::LeaningLeft;
    return Case::None;
}

PlaneLayout ParallelogramLayout::layOut(const LayoutFrame& f,
                                        const PlaneFigureReadings::Parallelogram& p)
{
    PlaneLayout layout;
    layout.thisViewsDimensions = f.bounds;
    const double a = p.sideA, b = p.sideB, h = p.height;
    QPointF p1, p2, p3, p4;
    double s = 0;
    switch (classify(p)) {
    case Case::None:
        return layout;
    case Case::LeaningRight: {
        const double e = b * std::cos((180 - double(p.angleB)) * Angles::radiansPerDegree);
        if ((a + e) / h > f.aspect) {
            s = f.W / (a + e);
            p1 = narrowed(f.L, f.T + f.H / 2 - h * s / 2);
            p4 = narrowed(f.L + a * s, p1.y());
            p2 = narrowed(f.L + e * s, f.T + f.H / 2 + h * s / 2);
            p3 = narrowed(p2.x() + a * s, p2.y());
        } else {
            s = f.H / h;
            p1 = narrowed(f.L + f.W / 2 - (e * s + a * s) / 2, f.T);
            p4 = narrowed(p1.x() + a * s, f.T);
            p2 = narrowed(p1.x() + e * s, f.T + h * s);
            p3 = narrowed(p2.x() + a * s, p2.y());
        }
        break;
    }
    case Case::LeaningLeft: {
        const double lean = b * std::sin((double(p.angleA) - 90) * Angles::radiansPerDegree);
        if ((a + lean) / h > f.aspect) {
            s = f.W / (a + lean);
            p1 = narrowed(f.L + lean * s, f.T + f.H / 2 - h * s / 2);
            p4 = narrowed(p1.x() + a * s, p1.y());
            p2 = narrowed(f.L, f.T + f.H / 2 + h * s / 2);
            p3 = narrowed(p2.x() + a * s, p2.y());
        } else {
            s = f.H / h;
            p1 = narrowed(f.L + lean * s + f.W / 2 - (lean * s + a * s) / 2, f.T);
            p4 = narrowed(p1.x() + a * s, f.T);
            p2 = narrowed(p1.x() - lean * s, f.T + h * s);
            p3 = narrowed(p2.x() + a * s, p2.y());
        }
        break;
    }
    }
    layout.outline = PlaneLayout::Outline::Polygon;
    layout.scalingRatio = s;
    layout.points = {p1, p2, p3, p4};
    layout.gridOrigin = p1;
    return layout;
}
