#pragma once

#include "drawing/DrawingScale.h"
#include "drawing/DrawingUnit.h"

#include <QPainterPath>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QTransform>

#include <optional>

// The page a figure is drawn on: the figure at its scale with a margin for its labels and
// a footer for the scale, in millimetres with y growing downwards. The page is a whole
// number of PDF points, so that its size survives the PDF's MediaBox unrounded.
class DrawingSheet {
public:
    static constexpr double margin = 15;    // around the figure: room for its labels
    static constexpr double footer = 10;    // under the figure: the scale
    static constexpr double narrowest = 70; // the footer's text fits
    static constexpr double largest = 5000; // mm; PDF pages end at 200 inches
    static constexpr double mmPerPoint = 25.4 / 72;

    // Nothing, and `why` says so, for a figure without extent or one that would not fit
    // the largest page at this scale.
    static std::optional<DrawingSheet> make(const QRectF& figureBounds, DrawingUnit unit,
                                            DrawingScale scale, QString* why = nullptr);

    QSizeF page;       // mm
    QRectF figure;     // where the figure's bounding box lands on the page, mm
    QTransform toPage; // figure units (y-up) to page millimetres (y-down)
    DrawingUnit unit = DrawingUnit::Millimetre;
    DrawingScale scale;

    // Millimetres on paper per unit of the figure.
    double millimetresPerUnit() const;
};
