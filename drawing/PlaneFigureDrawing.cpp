#include "drawing/PlaneFigureDrawing.h"

#include "core/Localization.h"

#include <cmath>

namespace {

using Figure = PlaneFigureLayout::Figure;

// The view's layout is made for a square area of this many view units; dividing by its
// scaling ratio gives the figure's own units back.
constexpr double referenceSize = 1000;

struct Context {
    FigureDrawing drawing;
    const std::vector<QString>& texts;

    QString text(size_t i) const { return i < texts.size() ? texts[i] : QString(); }
    void vertexNames(const std::vector<QPointF>& points, const std::vector<const char*>& names)
    {
        QPointF centre;
        for (const QPointF& p : points)
            centre += p / double(points.size());
        for (size_t i = 0; i < points.size() && i < names.size(); ++i)
            drawing.vertices.push_back({points[i], points[i] - centre, localized(names[i])});
    }
    // The height from `top` down to the line of the base at `baseY`, labelled low on the
    // side away from the middle of the figure, clear of the sides' labels.
    void height(const std::vector<QPointF>& points, const QPointF& top, double baseY, size_t field)
    {
        double middle = 0;
        for (const QPointF& p : points)
            middle += p.x() / double(points.size());
        const QLineF guide(QPointF(top.x(), baseY), top);
        drawing.guides.push_back(guide);
        drawing.dimensions.push_back(
            {guide, localized("h"), text(field), top.x() < middle ? 1 : -1, 0.3});
    }
};

} // namespace

FigureDrawing PlaneFigureDrawing::build(Figure figure, const std::vector<float>& values,
                                        const std::vector<QString>& texts)
{
    const double frame = referenceSize + 40; // LayoutFrame's margin on both sides
    const PlaneLayout layout = PlaneFigureLayout::layOut(
        QRectF(0, 0, frame, frame), PlaneFigureLayout::readings(figure, values));
    Context c{{}, texts};
    const double s = layout.scalingRatio;
    if (layout.isEmpty() || !std::isfinite(s) || !(s > 0))
        return {};
    const QRectF box(layout.box.x() / s, layout.box.y() / s, layout.box.width() / s,
                     layout.box.height() / s);
    std::vector<QPointF> points;
    for (const QPointF& p : layout.points)
        points.push_back(p / s);

    switch (layout.outline) {
    case PlaneLayout::Outline::Nothing:
        return {};
    case PlaneLayout::Outline::Oval: {
        QPainterPath path;
        path.addEllipse(box);
        c.drawing.outlines.push_back(path);
        const QPointF centre = box.center();
        const QLineF across(centre, QPointF(box.right(), centre.y()));
        c.drawing.guides.push_back(across);
        if (figure == Figure::Ellipse) {
            const QLineF up(centre, QPointF(centre.x(), box.bottom()));
            c.drawing.guides.push_back(up);
            c.drawing.dimensions.push_back({up, localized("a"), c.text(0), -1});
            c.drawing.dimensions.push_back({across, localized("b"), c.text(1), 1});
        } else {
            // A circle's radius, or a polygon of so many sides that it is drawn as one.
            const size_t field = figure == Figure::RegularPolygon ? 1 : 0;
            c.drawing.dimensions.push_back({across, localized("r"), c.text(field), 1});
        }
        break;
    }
    case PlaneLayout::Outline::Rectangle: {
        const std::vector<QPointF> corners{box.topLeft(), box.topRight(), box.bottomRight(),
                                           box.bottomLeft()}; // y-up: top is the lower edge
        c.drawing.addPolygon(corners);
        c.drawing.labelEdge(corners, 0, 1, localized("a"), c.text(0));
        c.drawing.labelEdge(corners, 1, 2, localized(figure == Figure::Square ? "a" : "b"),
                            c.text(figure == Figure::Square ? 0 : 1));
        c.vertexNames(corners, {"A", "B", "C", "D"});
        break;
    }
    case PlaneLayout::Outline::Polygon:
        if (points.size() < 3)
            return {};
        c.drawing.addPolygon(points);
        switch (figure) {
        case Figure::Triangle: // B, apex A, C
            c.drawing.labelEdge(points, 0, 2, localized("a"), c.text(0));
            c.drawing.labelEdge(points, 1, 2, localized("b"), c.text(1));
            c.drawing.labelEdge(points, 0, 1, localized("c"), c.text(2));
            c.height(points, points[1], points[0].y(), 6);
            c.vertexNames(points, {"B", "A", "C"});
            break;
        case Figure::Trapezium: // A, D, C, B
            c.drawing.labelEdge(points, 0, 3, localized("a"), c.text(0));
            c.drawing.labelEdge(points, 3, 2, localized("b"), c.text(1));
            c.drawing.labelEdge(points, 1, 2, localized("c"), c.text(2));
            c.drawing.labelEdge(points, 0, 1, localized("d"), c.text(3));
            c.height(points, points[1], points[0].y(), 8);
            c.vertexNames(points, {"A", "D", "C", "B"});
            break;
        case Figure::Parallelogram: // A, D, C, B
            c.drawing.labelEdge(points, 0, 3, localized("a"), c.text(0));
            c.drawing.labelEdge(points, 0, 1, localized("b"), c.text(1));
            c.height(points, points[1], points[0].y(), 4);
            c.vertexNames(points, {"A", "D", "C", "B"});
            break;
        default: { // a regular polygon: its circumradius from the centre
            const QLineF radius(layout.gridOrigin / s, points.front());
            c.drawing.guides.push_back(radius);
            c.drawing.dimensions.push_back({radius, localized("r"), c.text(1), 1});
            break;
        }
        }
        break;
    }
    return c.drawing;
}
