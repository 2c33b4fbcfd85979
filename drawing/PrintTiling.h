#pragma once

#include <QRectF>
#include <QSizeF>

#include <optional>
#include <vector>

// How a sheet larger than the paper is printed: tiles of the sheet, each the size of the
// paper's printable area, neighbours overlapping so the pages can be glued edge to mark.
struct PrintTiling {
    static constexpr double overlap = 10; // mm
    static constexpr int mostPages = 200;

    bool landscape = false;
    int columns = 0, rows = 0;
    std::vector<QRectF> tiles; // in the sheet's millimetres, row by row from the top left

    // Tiles `sheet` over paper whose printable area is `portrait` in portrait; the
    // orientation that needs fewer pages is chosen (portrait when equal). Nothing for an
    // empty printable area or more than mostPages pages.
    static std::optional<PrintTiling> plan(const QSizeF& sheet, const QSizeF& portrait);
};
