#pragma once

#include "drawing/DrawingSheet.h"
#include "drawing/FigureDrawing.h"

#include <QString>

class QPrinter;

// Prints a drawing at its true size: tiled over as many pages as it needs, in the
// orientation that needs fewer, neighbouring pages overlapping by a marked strip, each
// page with a 10 cm check line under the drawing to measure the printer's scale by.
class DrawingPrinter {
public:
    static constexpr double checkLineMm = 100;
    static constexpr double checkBandMm = 14; // under each tile: the check line and the page

    // False, with `error` saying why, when nothing was printed.
    static bool print(QPrinter& printer, const FigureDrawing& drawing, const DrawingSheet& sheet,
                      QString* error);
};
