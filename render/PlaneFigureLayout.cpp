#include "render/PlaneFigureLayout.h"

#include "render/LayoutFrame.h"
#include "render/ParallelogramLayout.h"
#include "render/RegularPolygonLayout.h"
#include "render/TrapeziumLayout.h"
#include "render/TriangleLayout.h"

#include <utility>

namespace {

using namespace PlaneFigureReadings;

PlaneLayout boxLayout(const LayoutFrame& f, PlaneLayout::Outline outline, double scale, double left,
                      double bottom, double width, double height)
{
    PlaneLayout layout;
    layout.thisViewsDimensions = f.bounds;
    layout.outline = outline;
    layout.scalingRatio = scale;
    layout.box = QRectF(left, bottom, width, height);
    return layout;
}

// A figure as wide as it is high fills the smaller side of the drawing area.
PlaneLayout squareBoxLayout(const LayoutFrame& f, PlaneLayout::Outline outline, double size)
{
    if (f.aspect < 1)
        return boxLayout(f, outline, f.W / size, f.L, f.T + f.H / 2 - f.W / 2, f.W, f.W);
    return boxLayout(f, outline, f.H / size, f.L + f.W / 2 - f.H / 2, f.T, f.H, f.H);
}

PlaneLayout fittedBoxLayout(const LayoutFrame& f, PlaneLayout::Outline outline, double w, double h)
{
    const LayoutFrame::Fit fit = f.fit(w, h);
    return boxLayout(f, outline, fit.scale, fit.left, fit.bottom, w * fit.scale, h * fit.scale);
}

struct LayOut {
    const LayoutFrame& frame;

    PlaneLayout operator()(const Ellipse& e) const
    {
        // Radius b lies horizontally, radius a vertically.
        PlaneLayout layout = fittedBoxLayout(frame, PlaneLayout::Outline::Oval,
                                             2 * double(e.radiusB), 2 * double(e.radiusA));
        layout.gridOrigin = frame.viewCentre();
        return layout;
    }
    PlaneLayout operator()(const Circle& c) const
    {
        PlaneLayout layout =
            squareBoxLayout(frame, PlaneLayout::Outline::Oval, 2 * double(c.radius));
        layout.gridOrigin = frame.viewCentre();
        return layout;
    }
    PlaneLayout operator()(const Rectangle& r) const
    {
        PlaneLayout layout =
            fittedBoxLayout(frame, PlaneLayout::Outline::Rectangle, r.sideA, r.sideB);
        layout.gridOrigin = QPointF(layout.box.x(), layout.box.y()); // lower-left corner
        return layout;
    }
    PlaneLayout operator()(const Square& q) const
    {
        PlaneLayout layout = squareBoxLayout(frame, PlaneLayout::Outline::Rectangle, q.side);
        layout.gridOrigin = QPointF(layout.box.x(), layout.box.y());
        return layout;
    }
    PlaneLayout operator()(const Triangle& t) const { return TriangleLayout::layOut(frame, t); }
    PlaneLayout operator()(const Trapezium& t) const { return TrapeziumLayout::layOut(frame, t); }
    PlaneLayout operator()(const Parallelogram& p) const
    {
        return ParallelogramLayout::layOut(frame, p);
    }
    PlaneLayout operator()(const RegularPolygon& p) const
    {
        return RegularPolygonLayout::layOut(frame, p);
    }
};

} // namespace

PlaneFigureReadings::Any PlaneFigureLayout::readings(Figure figure, std::vector<float> values)
{
    namespace R = PlaneFigureReadings;
    values.resize(9, 0.0f); // the most any figure reads
    const float* v = values.data();
    switch (figure) {
    case Figure::Ellipse:
        return R::Ellipse{v[0], v[1]};
    case Figure::Circle:
        return R::Circle{v[0]};
    case Figure::Rectangle:
        return R::Rectangle{v[0], v[1]};
    case Figure::Square:
        return R::Square{v[0]};
    case Figure::Triangle:
        return R::Triangle{v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
    case Figure::Trapezium:
        return R::Trapezium{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]};
    case Figure::Parallelogram:
        return R::Parallelogram{v[0], v[1], v[2], v[3], v[4]};
    case Figure::RegularPolygon:
        return R::RegularPolygon{v[0], v[1]};
    }
    return R::Circle{};
}

PlaneLayout PlaneFigureLayout::layOut(const QRectF& bounds,
                                      const PlaneFigureReadings::Any& readings)
{
    const LayoutFrame frame(bounds);
    return std::visit(LayOut{frame}, readings);
}
