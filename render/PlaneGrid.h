#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>

#include <vector>

// The grid behind a plane figure: lines every `spacing` view units through `origin`,
// across the whole view; the lines through the origin and every tenth line from it are
// opaque, the others translucent.
class PlaneGrid {
public:
    struct Line {
        QLineF line; // y-up view coordinates, on pixel centres
        bool opaque = false;
    };

    // In drawing order: horizontal lines upwards, vertical lines to the right, horizontal
    // lines downwards, vertical lines to the left. No lines for a spacing of 0.
    static std::vector<Line> draw2DGrid(const QRectF& bounds, double spacing,
                                        const QPointF& origin);
};
