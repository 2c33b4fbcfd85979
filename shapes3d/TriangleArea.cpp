#include "shapes3d/TriangleArea.h"

#include <cmath>
#include <utility>

double TriangleArea::fromSides(double a, double b, double c)
{
    return wideFromSides(a, b, c).value();
}

WideNumber TriangleArea::wideFromSides(double a, double b, double c)
{
    // Heron's formula in the arrangement that stays accurate for needle-thin triangles:
    // sides sorted x >= y >= z and every bracket kept as written.
    double x = std::fabs(a);
    double y = std::fabs(b);
    double z = std::fabs(c);
    if (x < y)
        std::swap(x, y);
    if (y < z)
        std::swap(y, z);
    if (x < y)
        std::swap(x, y);
    const WideNumber product =
        (WideNumber(x) + (WideNumber(y) + z)) * (WideNumber(z) - (WideNumber(x) - y)) *
        (WideNumber(z) + (WideNumber(x) - y)) * (WideNumber(x) + (WideNumber(y) - z));
    return sqrt(product) * std::copysign(0.25, b * c);
}
