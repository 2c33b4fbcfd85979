#include "render/SolidFaces.h"

#include "render/SolidLayout.h"

namespace {

constexpr float O = 0.7f; // opaque end of a face's fade
constexpr float C = 0.0f; // clear end

using Vertex = SolidFaces::Vertex;
using Point = SolidFaces::Point;

// Vertices of the box-shaped solids by the signs of their coordinates.
struct Box {
    float x, y, z;
    Point at(int sx, int sy, int sz) const { return {sx * x, sy * y, sz * z}; }
    Vertex at(int sx, int sy, int sz, float alpha) const { return {sx * x, sy * y, sz * z, alpha}; }
};

// Vertices of the prisms with a cross-section: point k at the front or the back. The
// section is centred on the floor's height: its bottom side (points 1 and 2) at -y, its
// top at +y.
struct Section {
    ScenePoint points[4];
    float depth;
    float y;
    Point at(int k, bool front) const
    {
        return {points[k - 1].x, k <= 2 ? -y : y, front ? depth : 0.0f};
    }
    Vertex at(int k, bool front, float alpha) const
    {
        const Point p = at(k, front);
        return {p.x, p.y, p.z, alpha};
    }
};

Point toPoint(const Vertex& v)
{
    return {v.x, v.y, v.z};
}

SolidFaces rectangularPrism(const SolidLayout& l)
{
    const Box b{l.xValue, l.yValue, l.zValue};
    SolidFaces s;
    s.faces = {
        {false, {b.at(1, -1, -1, O), b.at(-1, -1, -1, C), b.at(-1, 1, -1, C), b.at(1, 1, -1, C)}},
        {false, {b.at(1, 1, -1, O), b.at(-1, 1, -1, O), b.at(-1, 1, 1, O), b.at(1, 1, 1, O)}},
        {false, {b.at(1, -1, 1, O), b.at(-1, -1, 1, O), b.at(-1, -1, -1, O), b.at(1, -1, -1, O)}},
        {false, {b.at(-1, 1, 1, C), b.at(-1, 1, -1, C), b.at(-1, -1, -1, C), b.at(-1, -1, 1, O)}},
        {false, {b.at(1, 1, -1, C), b.at(1, 1, 1, C), b.at(1, -1, 1, C), b.at(1, -1, -1, O)}},
        {false, {b.at(1, 1, 1, C), b.at(-1, 1, 1, C), b.at(-1, -1, 1, O), b.at(1, -1, 1, C)}},
    };
    s.edges = {
        {true, {b.at(1, -1, -1), b.at(-1, -1, -1), b.at(-1, 1, -1), b.at(1, 1, -1)}},
        {false, {b.at(-1, -1, -1), b.at(-1, -1, 1)}},
        {false, {b.at(-1, 1, 1), b.at(-1, 1, -1)}},
        {false, {b.at(1, 1, -1), b.at(1, 1, 1)}},
        {false, {b.at(1, -1, 1), b.at(1, -1, -1)}},
        {true, {b.at(1, 1, 1), b.at(-1, 1, 1), b.at(-1, -1, 1), b.at(1, -1, 1)}},
    };
    return s;
}

SolidFaces triangularPrism(const SolidLayout& l)
{
    const Section p{{l.point1, l.point2, l.point3, {}}, l.depth, l.yValue};
    constexpr bool F = true;
    constexpr bool B = false;
    SolidFaces s;
    s.faces = {
        {false, {p.at(1, F, O), p.at(2, F, C), p.at(3, F, C)}},
        {false, {p.at(1, B, O), p.at(2, B, O), p.at(2, F, O), p.at(1, F, O)}},
        {false, {p.at(3, B, C), p.at(3, F, C), p.at(2, F, O), p.at(2, B, O)}},
        {false, {p.at(3, F, C), p.at(3, B, C), p.at(1, B, O), p.at(1, F, O)}},
        {false, {p.at(1, B, C), p.at(2, B, C), p.at(3, B, O)}},
    };
    s.edges = {
        {true, {p.at(1, F), p.at(2, F), p.at(3, F)}},
        {false, {p.at(1, F), p.at(1, B)}},
        {false, {p.at(2, F), p.at(2, B)}},
        {false, {p.at(3, F), p.at(3, B)}},
        {true, {p.at(1, B), p.at(2, B), p.at(3, B)}},
    };
    return s;
}

SolidFaces trapezoidalPrism(const SolidLayout& l)
{
    const Section p{{l.point1, l.point2, l.point3, l.point4}, l.depth, l.yValue};
    constexpr bool F = true;
    constexpr bool B = false;
    SolidFaces s;
    s.faces = {
        {false, {p.at(1, B, O), p.at(2, B, O), p.at(3, B, C), p.at(4, B, C)}},
        {false, {p.at(1, B, O), p.at(2, B, O), p.at(2, F, O), p.at(1, F, O)}},
        {false, {p.at(3, B, O), p.at(4, B, O), p.at(4, F, O), p.at(3, F, O)}},
        {false, {p.at(1, B, O), p.at(4, B, C), p.at(4, F, C), p.at(1, F, O)}},
        {false, {p.at(2, B, O), p.at(3, B, C), p.at(3, F, C), p.at(2, F, O)}},
        {false, {p.at(1, F, O), p.at(2, F, O), p.at(3, F, C), p.at(4, F, C)}},
    };
    s.edges = {
        {true, {p.at(1, B), p.at(2, B), p.at(3, B), p.at(4, B)}},
        {true, {p.at(1, F), p.at(2, F), p.at(3, F), p.at(4, F)}},
        {false, {p.at(1, B), p.at(1, F)}},
        {false, {p.at(2, B), p.at(2, F)}},
        {false, {p.at(3, B), p.at(3, F)}},
        {false, {p.at(4, B), p.at(4, F)}},
    };
    return s;
}

SolidFaces pyramid(const SolidLayout& l)
{
    const Box b{l.xValue, l.yValue, l.zValue};
    const Vertex apex{0, l.yValue, 0, C};
    SolidFaces s;
    s.faces = {
        {true, {b.at(-1, -1, 1, O), b.at(1, -1, 1, O), apex}},
        {true, {b.at(-1, -1, -1, O), b.at(1, -1, -1, O), apex}},
        {false, {b.at(-1, -1, 1, O), b.at(1, -1, 1, O), b.at(1, -1, -1, O), b.at(-1, -1, -1, O)}},
        {true, {b.at(1, -1, -1, O), b.at(1, -1, 1, O), apex}},
        {true, {b.at(-1, -1, 1, O), b.at(-1, -1, -1, O), apex}},
    };
    s.edges = {
        {true, {b.at(-1, -1, 1), b.at(1, -1, 1), toPoint(apex)}},
        {true, {b.at(-1, -1, -1), b.at(1, -1, -1), toPoint(apex)}},
        {false, {b.at(1, -1, 1), b.at(1, -1, -1)}},
        {false, {b.at(-1, -1, 1), b.at(-1, -1, -1)}},
    };
    return s;
}

} // namespace

SolidFaces SolidFaces::of(SolidKind kind, const SolidLayout& layout)
{
    switch (kind) {
    case SolidKind::RectangularPrism:
        return rectangularPrism(layout);
    case SolidKind::TriangularPrism:
        return triangularPrism(layout);
    case SolidKind::TrapezoidalPrism:
        return trapezoidalPrism(layout);
    case SolidKind::Pyramid:
        return pyramid(layout);
    case SolidKind::Cylinder:
    case SolidKind::Cone:
    case SolidKind::Sphere:
        break;
    }
    return {};
}
