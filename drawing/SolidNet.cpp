#include "drawing/SolidNet.h"

#include "core/Localization.h"
#include "core/NumberFormatter.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

// A prism's cross-section, counter-clockwise with its first edge along +x.
std::vector<QPointF> crossSection(SolidKind kind, const std::vector<double>& v)
{
    switch (kind) {
    case SolidKind::RectangularPrism:
        return {{0, 0}, {v[0], 0}, {v[0], v[1]}, {0, v[1]}};
    case SolidKind::TriangularPrism: {
        // Sides a (first), b, c around the triangle.
        const double a = v[0], b = v[1], c = v[2];
        const double x = (a * a + c * c - b * b) / (2 * a);
        return {{0, 0}, {a, 0}, {x, std::sqrt(std::max(0.0, c * c - x * x))}};
    }
    case SolidKind::TrapezoidalPrism: {
        // Leg b rises from a's right end at angle B; c runs back parallel to a.
        const double a = v[0], b = v[1], c = v[2];
        const double angle = v[3] * pi / 180;
        const QPointF top(a - b * std::cos(angle), b * std::sin(angle));
        return {{0, 0}, {a, 0}, top, {top.x() - c, top.y()}};
    }
    default:
        return {};
    }
}

double lengthOf(SolidKind kind)
{
    return kind == SolidKind::TriangularPrism ? 3 : kind == SolidKind::TrapezoidalPrism ? 4 : 2;
}

std::vector<NetFace> prismFaces(const std::vector<QPointF>& section, double length)
{
    std::vector<NetFace> faces;
    double x = 0;
    for (size_t i = 0; i < section.size(); ++i) {
        const double w = QLineF(section[i], section[(i + 1) % section.size()]).length();
        faces.push_back(NetFace::polygon({{x, 0}, {x + w, 0}, {x + w, length}, {x, length}}));
        x += w;
    }
    // The section's first edge lies along +x from the origin: it joins the first face's
    // top edge as it is, and its bottom edge mirrored.
    std::vector<QPointF> top, bottom;
    for (const QPointF& p : section) {
        top.emplace_back(p.x(), length + p.y());
        bottom.emplace_back(p.x(), -p.y());
    }
    faces.push_back(NetFace::polygon(top));
    faces.push_back(NetFace::polygon(bottom));
    return faces;
}

std::vector<NetFace> pyramidFaces(double a, double b, double h)
{
    const double overA = std::hypot(b / 2, h), overB = std::hypot(a / 2, h);
    const QPointF bl(-a / 2, -b / 2), br(a / 2, -b / 2), tr(a / 2, b / 2), tl(-a / 2, b / 2);
    return {NetFace::polygon({bl, br, tr, tl}), NetFace::polygon({tl, tr, {0, b / 2 + overA}}),
            NetFace::polygon({br, bl, {0, -b / 2 - overA}}),
            NetFace::polygon({tr, br, {a / 2 + overB, 0}}),
            NetFace::polygon({bl, tl, {-a / 2 - overB, 0}})};
}

bool allPositiveAndFinite(const std::vector<double>& values, size_t count)
{
    return values.size() >= count &&
           std::all_of(values.begin(), values.begin() + qsizetype(count),
                       [](double v) { return std::isfinite(v) && v > 0; });
}

} // namespace

bool SolidNet::exists(SolidKind kind)
{
    return kind != SolidKind::Sphere;
}

std::vector<NetFace> SolidNet::faces(SolidKind kind, const std::vector<double>& v)
{
    switch (kind) {
    case SolidKind::RectangularPrism:
    case SolidKind::TriangularPrism:
    case SolidKind::TrapezoidalPrism: {
        const size_t count = size_t(lengthOf(kind)) + 1;
        if (!allPositiveAndFinite(v, count))
            return {};
        return prismFaces(crossSection(kind, v), v[count - 1]);
    }
    case SolidKind::Pyramid:
        if (!allPositiveAndFinite(v, 3))
            return {};
        return pyramidFaces(v[0], v[1], v[2]);
    case SolidKind::Cylinder: {
        if (!allPositiveAndFinite(v, 2))
            return {};
        const double r = v[0], h = v[1], around = 2 * pi * r;
        return {NetFace::polygon({{0, 0}, {around, 0}, {around, h}, {0, h}}),
                NetFace::disc({around / 2, h + r}, r), NetFace::disc({around / 2, -r}, r)};
    }
    case SolidKind::Cone: {
        if (!allPositiveAndFinite(v, 2))
            return {};
        const double r = v[0], slant = std::hypot(v[0], v[1]);
        const double sweep = 360 * r / slant;
        // The sector opens downwards; the base touches the middle of its arc.
        return {NetFace::sector({0, 0}, slant, -90 - sweep / 2, sweep),
                NetFace::disc({0, -slant - r}, r)};
    }
    case SolidKind::Sphere:
        break;
    }
    return {};
}

FigureDrawing SolidNet::drawing(SolidKind kind, const std::vector<double>& values,
                                const std::vector<QString>& texts)
{
    FigureDrawing drawing;
    const std::vector<NetFace> net = faces(kind, values);
    for (const NetFace& face : net)
        drawing.outlines.push_back(face.outline());
    if (net.empty())
        return drawing;
    const auto text = [&](size_t i) { return i < texts.size() ? texts[i] : QString(); };
    const auto edge = [&](QPointF p, QPointF q, const char* name, const QString& value, int side) {
        drawing.dimensions.push_back({QLineF(p, q), localized(name), value, side});
    };
    switch (kind) {
    case SolidKind::RectangularPrism:
    case SolidKind::TriangularPrism:
    case SolidKind::TrapezoidalPrism: {
        // The strip's faces are the sides in order; the bases follow them.
        static const char* const names[] = {"a", "b", "c", "d"};
        const size_t sides = net.size() - 2;
        for (size_t i = 0; i < sides; ++i) {
            const std::vector<QPointF>& p = net[i].points;
            const bool entered = kind != SolidKind::RectangularPrism ? i < 3 : i < 2;
            const QString value = entered ? text(kind == SolidKind::RectangularPrism ? i % 2 : i)
                                          : NumberFormatter::shared().correctlyFormatTheString(
                                                QLineF(p[0], p[1]).length());
            edge(p[0], p[1], kind == SolidKind::RectangularPrism ? names[i % 2] : names[i], value,
                 -1);
        }
        const std::vector<QPointF>& first = net.front().points;
        edge(first[0], first[3], "h", text(size_t(lengthOf(kind))), 1);
        break;
    }
    case SolidKind::Pyramid: {
        const std::vector<QPointF>& base = net.front().points;
        edge(base[0], base[1], "a", text(0), 1);
        edge(base[1], base[2], "b", text(1), 1);
        break;
    }
    case SolidKind::Cylinder: {
        const std::vector<QPointF>& side = net.front().points;
        edge(side[0], side[3], "h", text(1), 1);
        const NetFace& disc = net[1];
        const QLineF radius(disc.centre, disc.centre + QPointF(disc.radius, 0));
        drawing.guides.push_back(radius);
        edge(radius.p1(), radius.p2(), "r", text(0), 1);
        break;
    }
    case SolidKind::Cone: {
        const NetFace& sector = net.front();
        const double start = sector.startDegrees * pi / 180;
        const QPointF rim =
            sector.centre + QPointF(std::cos(start), std::sin(start)) * sector.radius;
        edge(sector.centre, rim, "s",
             NumberFormatter::shared().correctlyFormatTheString(sector.radius), -1);
        const NetFace& disc = net[1];
        const QLineF radius(disc.centre, disc.centre + QPointF(disc.radius, 0));
        drawing.guides.push_back(radius);
        edge(radius.p1(), radius.p2(), "r", text(0), 1);
        break;
    }
    case SolidKind::Sphere:
        break;
    }
    return drawing;
}
