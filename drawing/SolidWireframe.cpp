#include "drawing/SolidWireframe.h"

#include "core/Localization.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

struct Point3 {
    double x, y, z;
};

class Projection {
public:
    Projection(double yawDegrees, double pitchDegrees)
        : m_cy(std::cos(yawDegrees * pi / 180)), m_sy(std::sin(yawDegrees * pi / 180)),
          m_cp(std::cos(pitchDegrees * pi / 180)), m_sp(std::sin(pitchDegrees * pi / 180))
    {
    }
    // Turned about the vertical, then tilted so that the far side rises: the top is seen.
    QPointF operator()(const Point3& p) const
    {
        const double x = p.x * m_cy + p.z * m_sy;
        const double z = -p.x * m_sy + p.z * m_cy;
        return QPointF(x, p.y * m_cp - z * m_sp);
    }
    // A horizontal circle looks the same however it is turned: its points are taken as
    // already turned, so that the rim's vertices fall on the outline's extremes.
    QPointF level(const Point3& p) const { return QPointF(p.x, p.y * m_cp - p.z * m_sp); }
    double sinPitch() const { return m_sp; }
    double cosPitch() const { return m_cp; }

private:
    double m_cy, m_sy, m_cp, m_sp;
};

bool usable(const std::vector<double>& values, size_t count)
{
    return values.size() >= count &&
           std::all_of(values.begin(), values.begin() + qsizetype(count),
                       [](double v) { return std::isfinite(v) && v > 0; });
}

// A prism's cross-section in the x-y plane, centred, extruded along z.
std::vector<QPointF> section(SolidKind kind, const std::vector<double>& v)
{
    switch (kind) {
    case SolidKind::TriangularPrism: {
        const double a = v[0], b = v[1], c = v[2];
        const double x = (a * a + c * c - b * b) / (2 * a);
        return {{0, 0}, {a, 0}, {x, std::sqrt(std::max(0.0, c * c - x * x))}};
    }
    case SolidKind::TrapezoidalPrism: {
        const double a = v[0], b = v[1], c = v[2], angle = v[3] * pi / 180;
        const QPointF top(a - b * std::cos(angle), b * std::sin(angle));
        return {{0, 0}, {a, 0}, top, {top.x() - c, top.y()}};
    }
    default:
        return {};
    }
}

struct Builder {
    FigureDrawing drawing;
    Projection project;
    const std::vector<QString>& texts;

    QString text(size_t i) const { return i < texts.size() ? texts[i] : QString(); }
    void edge(const Point3& p, const Point3& q)
    {
        drawing.edges.emplace_back(project(p), project(q));
    }
    void label(const Point3& p, const Point3& q, const char* name, size_t field, int side)
    {
        drawing.dimensions.push_back(
            {QLineF(project(p), project(q)), localized(name), text(field), side});
    }
    // A horizontal circle's rim at height y, as a closed polygon of many sides.
    void rim(double r, double y)
    {
        const int n = SolidWireframe::rimSegments;
        for (int i = 0; i < n; ++i) {
            const double t0 = 2 * pi * i / n, t1 = 2 * pi * (i + 1) / n;
            drawing.edges.emplace_back(project.level({r * std::cos(t0), y, r * std::sin(t0)}),
                                       project.level({r * std::cos(t1), y, r * std::sin(t1)}));
        }
    }
};

} // namespace

FigureDrawing SolidWireframe::drawing(SolidKind kind, const std::vector<double>& v,
                                      const std::vector<QString>& texts, double yaw, double pitch)
{
    Builder b{{}, Projection(yaw, pitch), texts};
    switch (kind) {
    case SolidKind::RectangularPrism:
    case SolidKind::Pyramid: {
        if (!usable(v, 3))
            return {};
        const double x = v[0] / 2, z = v[1] / 2, h = v[2];
        const Point3 base[] = {{-x, 0, z}, {x, 0, z}, {x, 0, -z}, {-x, 0, -z}};
        for (int i = 0; i < 4; ++i) {
            const Point3 p = base[i], q = base[(i + 1) % 4];
            b.edge(p, q);
            if (kind == SolidKind::Pyramid) {
                b.edge(p, {0, h, 0});
            } else {
                b.edge({p.x, h, p.z}, {q.x, h, q.z});
                b.edge(p, {p.x, h, p.z});
            }
        }
        b.label(base[0], base[1], "a", 0, -1);
        b.label(base[1], base[2], "b", 1, -1);
        if (kind == SolidKind::Pyramid) {
            b.drawing.guides.push_back(QLineF(b.project({0, 0, 0}), b.project({0, h, 0})));
            b.label({0, 0, 0}, {0, h, 0}, "h", 2, -1);
        } else {
            b.label(base[0], {base[0].x, h, base[0].z}, "h", 2, 1);
        }
        break;
    }
    case SolidKind::TriangularPrism:
    case SolidKind::TrapezoidalPrism: {
        const size_t lengthField = kind == SolidKind::TriangularPrism ? 3 : 4;
        if (!usable(v, lengthField + 1))
            return {};
        const std::vector<QPointF> s = section(kind, v);
        const double cx = (s[1].x()) / 2, half = v[lengthField] / 2;
        for (size_t i = 0; i < s.size(); ++i) {
            const QPointF p = s[i] - QPointF(cx, 0), q = s[(i + 1) % s.size()] - QPointF(cx, 0);
            b.edge({p.x(), p.y(), half}, {q.x(), q.y(), half});
            b.edge({p.x(), p.y(), -half}, {q.x(), q.y(), -half});
            b.edge({p.x(), p.y(), half}, {p.x(), p.y(), -half});
        }
        b.label({s[0].x() - cx, 0, half}, {s[1].x() - cx, 0, half}, "a", 0, -1);
        b.label({s[1].x() - cx, s[1].y(), half}, {s[2].x() - cx, s[2].y(), half}, "b", 1, -1);
        b.label({s[1].x() - cx, 0, half}, {s[1].x() - cx, 0, -half}, "h", lengthField, -1);
        break;
    }
    case SolidKind::Cylinder:
    case SolidKind::Cone: {
        if (!usable(v, 2))
            return {};
        const double r = v[0], h = v[1];
        b.rim(r, 0);
        const QPointF centre = b.project({0, 0, 0});
        if (kind == SolidKind::Cylinder) {
            b.rim(r, h);
            // The outline's sides: the rims' leftmost and rightmost points, joined.
            for (double side : {-r, r}) {
                const QPointF foot = centre + QPointF(side, 0);
                b.drawing.edges.emplace_back(foot, foot + QPointF(0, h * b.project.cosPitch()));
            }
        } else {
            // Lines from the apex touch the base's ellipse where sin t = k / H.
            const double k = r * b.project.sinPitch(), apexHeight = h * b.project.cosPitch();
            const QPointF apex = centre + QPointF(0, apexHeight);
            if (k < apexHeight) {
                const double t = std::asin(k / apexHeight);
                for (double x : {r * std::cos(t), -r * std::cos(t)})
                    b.drawing.edges.emplace_back(apex, centre + QPointF(x, k * std::sin(t)));
            }
        }
        b.drawing.guides.push_back(QLineF(centre, centre + QPointF(r, 0)));
        b.drawing.dimensions.push_back(
            {QLineF(centre, centre + QPointF(r, 0)), localized("r"), b.text(0), 1});
        const QLineF axis(centre, b.project({0, h, 0}));
        b.drawing.guides.push_back(axis);
        b.drawing.dimensions.push_back({axis, localized("h"), b.text(1), 1, 0.6});
        break;
    }
    case SolidKind::Sphere: {
        if (!usable(v, 1))
            return {};
        const double r = v[0];
        QPainterPath outline;
        outline.addEllipse(QPointF(), r, r);
        for (const QPolygonF& ring : outline.toSubpathPolygons())
            for (qsizetype i = 0; i + 1 < ring.size(); ++i)
                b.drawing.edges.emplace_back(ring[i], ring[i + 1]);
        b.rim(r, 0);
        b.drawing.guides.push_back(QLineF(QPointF(), QPointF(r, 0)));
        b.drawing.dimensions.push_back(
            {QLineF(QPointF(), QPointF(r, 0)), localized("r"), b.text(0), 1});
        break;
    }
    }
    return b.drawing;
}
