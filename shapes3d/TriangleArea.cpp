#include "shapes3d/TriangleArea.h"

#include <cmath>
#include <utility>

double TriangleArea::fromSides(double a, double b, double c)
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
    const double product = (x + (y + z)) * (z - (x - y)) * (z + (x - y)) * (x + (y - z));
    return std::copysign(0.25 * std::sqrt(product), b * c);
}
