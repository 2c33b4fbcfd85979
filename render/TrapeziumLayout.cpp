#include "render/TrapeziumLayout.h"

#include "core/Angles.h"

#include <cmath>

namespace {

// The insets of the top corners from the bottom ones, positive when the top angle is obtuse.
struct Insets {
    double tD, tC;
};

Insets insetsOf(const PlaneFigureReadings::Trapezium& t)
{
    const double h = t.height;
    return {h * std::tan((double(t.angleD) - 90) * Angles::radiansPerDegree),
            h * std::tan((double(t.angleC) - 90) * Angles::radiansPerDegree)};
}

} // namespace

TrapeziumLayout::Case TrapeziumLayout::classify(const PlaneFigureReadings::Trapezium& t)
{
    const double a = t.sideA, A = t.angleA, B = t.angleB;
    const Insets inset = insetsOf(t);
    // The top side as the base and the top angles imply it.
    const double top = a - (inset.tD + inset.tC);
    if (a >= top && A <= 90 && B <= 90)
        return Case::BaseWidest;
    if (top >= a && A >= 90 && B >= 90)
        return Case::TopWidest;
    if (top >= a && A <= 90 && B >= 90)
        return Case::LeaningRightOverTop;
    if (top >= a && A >= 90 && B <= 90)
        return Case::LeaningLeftOverTop;
    if (a >= top && A <= 90 && B >= 90)
        return Case::LeaningRightOverBase;
    if (a >= top && A >= 90 && B <= 90)
        return Case::LeaningLeftOverBase;
    return Case::None;
}

PlaneLayout TrapeziumLayout::layOut(const LayoutFrame& f, const PlaneFigureReadings::Trapezium& t)
{
    PlaneLayout layout;
    layout.thisViewsDimensions = f.bounds;
    const double a = t.sideA, b = t.sideB, c = t.sideC, d = t.sideD, h = t.height;
    const auto [tD, tC] = insetsOf(t);
    // Horizontal extents of the slanted sides.
    const double sb = std::sqrt(b * b - h * h);
    const double sd = std::sqrt(d * d - h * h);

    QPointF p1, p2, p3, p4;
    double s = 0;
    const Case which = classify(t);
    switch (which) {
    case Case::None:
        return layout;
    case Case::BaseWidest:
        if (a / h > f.aspect) {
            s = f.W / a;
            p1 = narrowed(f.L, f.T + f.H / 2 - h * s / 2);
            p4 = narrowed(f.L + f.W, p1.y());
            p2 = narrowed(f.L + tD * s, f.T + f.H / 2 + h * s / 2);
            p3 = narrowed(f.L + f.W - tC * s, p2.y());
        } else {
            s = f.H / h;
            p1 = narrowed(f.L + f.W / 2 - a * s / 2, f.T);
            p4 = narrowed(f.L + f.W / 2 + a * s / 2, f.T);
            p2 = narrowed(p1.x() + tD * s, f.T + h * s);
            p3 = narrowed(p4.x() - tC * s, p2.y());
        }
        break;
    case Case::TopWidest:
        if (c / h > f.aspect) {
            s = f.W / c;
            p1 = narrowed(f.L + sd * s, f.T + f.H / 2 - h * s / 2);
            p4 = narrowed(f.L + f.W - sb * s, p1.y());
            p2 = narrowed(f.L, f.T + f.H / 2 + h * s / 2);
            p3 = narrowed(f.L + c * s, p2.y());
        } else {
            s = f.H / h;
            p2 = narrowed(f.L + f.W / 2 - c * s / 2, f.T + h * s);
            p1 = narrowed(p2.x() + sd * s, f.T);
            p3 = narrowed(f.L + f.W / 2 + c * s / 2, p2.y());
            p4 = narrowed(p3.x() - sb * s, f.T);
        }
        break;
    case Case::LeaningRightOverTop:
    case Case::LeaningRightOverBase: {
        const double x = which == Case::LeaningRightOverTop ? c + tD : a + sb;
        if (x / h > f.aspect) {
            s = f.W / x;
            p1 = narrowed(f.L, f.T + f.H / 2 - h * s / 2);
            p4 = narrowed(f.L + a * s, p1.y());
            p2 = narrowed(f.L + tD * s, f.T + f.H / 2 + h * s / 2);
            p3 = narrowed(p4.x() + sb * s, p2.y());
        } else {
            s = f.H / h;
            p2 = narrowed(f.L + f.W / 2 - (tD * s + c * s) / 2 + tD * s, f.T + h * s);
            p1 = narrowed(p2.x() - tD * s, f.T);
            p4 = narrowed(p1.x() + a * s, f.T);
            p3 = narrowed(p2.x() + c * s, p2.y());
        }
        break;
    }
    case Case::LeaningLeftOverTop:
    case Case::LeaningLeftOverBase: {
        const double x = which == Case::LeaningLeftOverTop ? c + tC : a + sd;
        if (x / h > f.aspect) {
            s = f.W / x;
            p1 = narrowed(f.L + sd * s, f.T + f.H / 2 - h * s / 2);
            p4 = narrowed(p1.x() + a * s, p1.y());
            p2 = narrowed(f.L, f.T + f.H / 2 + h * s / 2);
            p3 = narrowed(p4.x() - tC * s, p2.y());
        } else {
            s = f.H / h;
            p1 = narrowed(f.L + f.W / 2 - (tC * s + c * s) / 2 + sd * s, f.T);
            p2 = narrowed(p1.x() - sd * s, f.T + h * s);
            p4 = narrowed(p1.x() + a * s, f.T);
            p3 = narrowed(p2.x() + c * s, p2.y());
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
