#include "drawing/PrintTiling.h"

#include <cmath>

namespace {

// Tiles of `printable` along a sheet `length` long, each starting where the previous
// one's overlap begins; a length that fits needs one.
// Counted in doubles: an unbounded sheet must not reach an int.
double tilesAlong(double length, double printable)
{
    if (length <= printable)
        return 1;
    const double step = printable - PrintTiling::overlap;
    return std::ceil((length - PrintTiling::overlap) / step - 1e-9);
}

std::optional<PrintTiling> tiled(const QSizeF& sheet, const QSizeF& printable, bool landscape)
{
    if (!(printable.width() > PrintTiling::overlap) || !(printable.height() > PrintTiling::overlap))
        return std::nullopt;
    const double columns = tilesAlong(sheet.width(), printable.width());
    const double rows = tilesAlong(sheet.height(), printable.height());
    if (!(columns * rows <= PrintTiling::mostPages))
        return std::nullopt;
    PrintTiling plan;
    plan.landscape = landscape;
    plan.columns = int(columns);
    plan.rows = int(rows);
    const double stepX = printable.width() - PrintTiling::overlap;
    const double stepY = printable.height() - PrintTiling::overlap;
    for (int r = 0; r < plan.rows; ++r) {
        for (int c = 0; c < plan.columns; ++c)
            plan.tiles.emplace_back(QPointF(c * stepX, r * stepY), printable);
    }
    return plan;
}

} // namespace

std::optional<PrintTiling> PrintTiling::plan(const QSizeF& sheet, const QSizeF& portrait)
{
    const std::optional<PrintTiling> upright = tiled(sheet, portrait, false);
    const std::optional<PrintTiling> turned = tiled(sheet, portrait.transposed(), true);
    if (upright && (!turned || upright->tiles.size() <= turned->tiles.size()))
        return upright;
    return turned;
}
