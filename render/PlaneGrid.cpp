#include "render/PlaneGrid.h"

#include <cmath>

namespace {

bool isTenth(int i)
{
    return i % 10 == 0;
}

} // namespace

std::vector<PlaneGrid::Line> PlaneGrid::draw2DGrid(const QRectF& bounds, double spacing,
                                                   const QPointF& origin)
{
    std::vector<Line> lines;
    // A spacing that is not a positive number could never step out of the view.
    if (!(spacing > 0) || !std::isfinite(spacing))
        return lines;
    const double left = bounds.x(), bottom = bounds.y();
    const double right = left + bounds.width(), top = bottom + bounds.height();
    const double rows = bounds.height() / spacing, columns = bounds.width() / spacing;
    const double gx = origin.x(), gy = origin.y();

    for (int i = 0; rows >= i; ++i) {
        const float y = float(gy + i * spacing + 0.5);
        if (y > top)
            break;
        lines.push_back({QLineF(left, y, right, y), isTenth(i)});
    }
    for (int i = 0; columns >= i; ++i) {
        const float x = float(gx + i * spacing + 0.5);
        if (x > right)
            break;
        lines.push_back({QLineF(x, bottom, x, top), isTenth(i)});
    }
    for (int i = 1; rows >= i; ++i) {
        const float y = float(gy - i * spacing + 0.5);
        if (y < bottom)
            break;
        lines.push_back({QLineF(left, y, right, y), isTenth(i)});
    }
    for (int i = 1; columns >= i; ++i) {
        const float x = float(gx - i * spacing + 0.5);
        if (x < left)
            break;
        lines.push_back({QLineF(x, bottom, x, top), isTenth(i)});
    }
    return lines;
}
