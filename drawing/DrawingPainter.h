#pragma once

#include "drawing/DrawingSheet.h"
#include "drawing/FigureDrawing.h"

#include <QRectF>

class QPainter;

// Paints a figure on its sheet onto any paint device (SVG, PDF, image, printer): the
// outline as the view paints it, the guides, each value with its unit along its side,
// the vertices' names and the scale under the figure. Lengths on the device come from
// its resolution, so the figure has its true size on paper.
class DrawingPainter {
public:
    // `pixelsPerMm`: the device's resolution. `window`: the part of the sheet that goes
    // on the device, in the sheet's millimetres (the whole page unless a print tile).
    static void paint(QPainter& painter, const FigureDrawing& drawing, const DrawingSheet& sheet,
                      double pixelsPerMm, const QRectF& window);

    // A value as it is written: "a = 4 cm".
    static QString labelText(const FigureDrawing::Dimension& dimension, DrawingUnit unit);
};
