#include "render/SolidGrid.h"

#include <cmath>
#include <numbers>

namespace {

struct Colour {
    float r, g, b;
};

constexpr Colour xyColour{0, 0, 1};
constexpr Colour xzColour{1, 0, 0};
constexpr Colour zyColour{0.2f, 0.7f, 0.3f};

// The counting of one plane: h squares on each side of the centre, of which k whole.
struct Counting {
    double h = 0;
    double k = 0;
    double e = 0;  // k / h: where the upper half of the plane starts
    float r1 = 10; // marks the lines whose count from the floor, k + i, is a tenth line
    float r2 = 10; // likewise for 2k + i

    explicit Counting(double squares)
    {
        h = squares / 2;
        // An unusable scale (not a number, infinite, not positive) rules no lines.
        if (!std::isfinite(h) || h <= 0) {
            h = 0;
            return;
        }
        k = std::floor(h);
        e = k / h;
        r1 = 10.0f - std::fmod(float(k), 10.0f);
        r2 = 10.0f - std::fmod(float(2 * k), 10.0f);
    }
    int lines() const { return int(std::floor(h)); }
    double t(int i) const { return i / h; }
};

bool tenth(int i)
{
    return i % 10 == 0;
}

bool shifted(int i, float r)
{
    return r == 10.0f ? tenth(i) : float(i % 10) == r;
}

class Batch {
public:
    Batch(std::vector<GridVertex>& out, Colour colour) : m_out(out), m_colour(colour) {}

    void segment(double x0, double y0, double z0, double a0, double x1, double y1, double z1,
                 double a1)
    {
        m_out.push_back(vertex(x0, y0, z0, a0));
        m_out.push_back(vertex(x1, y1, z1, a1));
    }

private:
    GridVertex vertex(double x, double y, double z, double a) const
    {
        return {float(x), float(y), float(z), m_colour.r, m_colour.g, m_colour.b, float(a)};
    }
    std::vector<GridVertex>& m_out;
    Colour m_colour;
};

// An upright plane (xy, or zy with z in the role of x): `across` maps the in-plane
// horizontal coordinate to a vertex.
struct Upright {
    bool alongZ;
    float base;   // alpha of ordinary lines before fading
    float strong; // alpha of every tenth line
    double fade;

    void segment(Batch& batch, double u0, double y0, double a0, double u1, double y1,
                 double a1) const
    {
        if (alongZ)
            batch.segment(0, y0, u0, a0, 0, y1, u1, a1);
        else
            batch.segment(u0, y0, 0, a0, u1, y1, 0, a1);
    }
};

void buildUpright(std::vector<GridVertex>& out, Colour colour, const Upright& plane,
                  const Counting& n, double o)
{
    Batch batch(out, colour);
    const double p = plane.base * plane.fade;
    const double q = plane.strong * plane.fade;
    const double e = n.e;
    for (int i = 1; i <= n.lines(); ++i) {
        const double t = n.t(i);
        const double a = tenth(i) ? q : p;
        plane.segment(batch, t, o, a, t, o + 2, a);
        plane.segment(batch, -t, o, a, -t, o + 2, a);
        plane.segment(batch, 1, o + t, a, -1, o + t, a);
        const double upper = shifted(i, n.r1) ? q : p;
        plane.segment(batch, 1, o + e + t, upper, -1, o + e + t, upper);
    }
    plane.segment(batch, 0, o, q, 0, o + 2, q);
    plane.segment(batch, -1, o, q, 1, o, q);

    plane.segment(batch, 0, o + 2, q, 0, o + 3, 0);
    plane.segment(batch, 1, o, q, 2, o, 0);
    plane.segment(batch, -1, o, q, -2, o, 0);
    for (int i = 1; i <= n.lines(); ++i) {
        const double t = n.t(i);
        const double a = tenth(i) ? q : p;
        plane.segment(batch, t, o + 2, a, t, o + 3, 0);
        plane.segment(batch, -t, o + 2, a, -t, o + 3, 0);
        plane.segment(batch, 1, o + t, a, 2, o + t, 0);
        plane.segment(batch, -1, o + t, a, -2, o + t, 0);
        const double upper = shifted(i, n.r1) ? q : p;
        plane.segment(batch, 1, o + e + t, upper, 2, o + e + t, 0);
        plane.segment(batch, -1, o + e + t, upper, -2, o + e + t, 0);
    }

    // Beyond the plane's edges the squares go on in lines that fade with distance.
    for (int i = 1; i <= n.lines(); ++i) {
        const double t = n.t(i);
        const double s = e + t;
        const double top = o + 2 * e + t;
        const double c = shifted(i, n.r1) ? plane.strong : plane.base;
        const double alpha = plane.fade * (c - t * c);
        plane.segment(batch, s, o, alpha, s, top, alpha);
        plane.segment(batch, -s, o, alpha, -s, top, alpha);
        plane.segment(batch, s, top, alpha, s, o + 3, 0);
        plane.segment(batch, -s, top, alpha, -s, o + 3, 0);
        const double c2 = shifted(i, n.r2) ? plane.strong : plane.base;
        const double alpha2 = plane.fade * (c2 - t * c2);
        plane.segment(batch, s, top, alpha2, e + 1, top, 0);
        plane.segment(batch, -s, top, alpha2, -(e + 1), top, 0);
        plane.segment(batch, s, top, alpha2, -s, top, alpha2);
    }
}

void buildFloor(std::vector<GridVertex>& out, const Counting& n, double o)
{
    Batch batch(out, xzColour);
    constexpr double base = 0.3;
    constexpr double strong = 0.6;
    for (int i = 1; i <= n.lines(); ++i) {
        const double t = n.t(i);
        const double a = tenth(i) ? strong : base;
        batch.segment(t, o, 1, a, t, o, -1, a);
        batch.segment(-t, o, 1, a, -t, o, -1, a);
        batch.segment(1, o, t, a, -1, o, t, a);
        batch.segment(1, o, -t, a, -1, o, -t, a);
    }
    batch.segment(-1, o, 0, strong, 1, o, 0, strong);
    batch.segment(0, o, -1, strong, 0, o, 1, strong);
    for (int i = 1; i <= n.lines(); ++i) {
        const double t = n.t(i);
        const double a = tenth(i) ? strong : base;
        for (const double side : {1.0, -1.0}) {
            for (const double sign : {1.0, -1.0}) {
                batch.segment(sign * t, o, side, a, sign * t, o, 2 * side, 0);
                batch.segment(side, o, sign * t, a, 2 * side, o, sign * t, 0);
            }
        }
    }
    for (int i = 1; i <= n.lines(); ++i) {
        const double t = n.t(i);
        const double s = n.e + t;
        const double w = 1 + t;
        const double c = shifted(i, n.r1) ? strong : base;
        const double alpha = c - t * c;
        batch.segment(s, o, w, alpha, s, o, -w, alpha);
        batch.segment(-s, o, w, alpha, -s, o, -w, alpha);
        batch.segment(w, o, s, alpha, -w, o, s, alpha);
        batch.segment(w, o, -s, alpha, -w, o, -s, alpha);
        for (const double side : {1.0, -1.0}) {
            for (const double sign : {1.0, -1.0}) {
                batch.segment(sign * s, o, side * w, alpha, sign * s, o, 2 * side, 0);
                batch.segment(side * w, o, sign * s, alpha, 2 * side, o, sign * s, 0);
            }
        }
    }
    batch.segment(1, o, 0, strong, 2, o, 0, 0);
    batch.segment(0, o, 1, strong, 0, o, 2, 0);
    batch.segment(0, o, -1, strong, 0, o, -2, 0);
    batch.segment(-1, o, 0, strong, -2, o, 0, 0);
}

} // namespace

SolidGrid::Lines SolidGrid::build(double squares, double floor, float angle,
                                  const Switches& switches)
{
    const Counting counting(squares);
    double a = 1;
    double b = 1;
    if (switches.fade) {
        // Each upright plane fades as it turns edge-on to the viewer.
        const double radians = double(angle) * std::numbers::pi / 180.0;
        a = std::fabs(std::sin(radians + std::numbers::pi / 2));
        b = std::fabs(std::sin(radians));
    }
    Lines lines;
    if (switches.xyPlane)
        buildUpright(lines.xyPlane, xyColour, {false, 0.3f, 0.6f, a}, counting, floor);
    if (switches.xzPlane)
        buildFloor(lines.xzPlane, counting, floor);
    if (switches.zyPlane)
        buildUpright(lines.zyPlane, zyColour, {true, 0.4f, 0.8f, b}, counting, floor);
    if (switches.axes) {
        Batch(lines.axes, xzColour).segment(0, floor, 0, 1, 2, floor, 0, 1);
        Batch(lines.axes, xyColour).segment(0, floor, 0, 1, 0, 2, 0, 1);
        Batch(lines.axes, zyColour).segment(0, floor, 0, 1, 0, floor, 2, 1);
    }
    return lines;
}
