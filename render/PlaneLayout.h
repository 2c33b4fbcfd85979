#pragma once

#include <QPointF>
#include <QRectF>

#include <vector>

// Where a plane figure goes in its view, in the view's y-up coordinates and before the
// half-unit shift that puts one-unit lines on pixel centres.
struct PlaneLayout {
    enum class Outline {
        Nothing,   // no figure laid out: no grid, no outline, an empty scale label
        Oval,      // an ellipse or circle in `box`
        Rectangle, // a rectangle or square: `box`
        Polygon,   // the closed polygon through `points`
    };

    QRectF thisViewsDimensions; // the bounds the layout was made for (single precision)
    Outline outline = Outline::Nothing;
    // View units per unit of length of the figure; 0 when nothing is laid out.
    double scalingRatio = 0;
    QRectF box;                  // xOrigin, yOrigin (lower-left corner), width, height
    std::vector<QPointF> points; // vertices in drawing order, single precision
    // A regular polygon's vertices already sit where they are drawn; the other polygons'
    // vertices take the half-unit shift when drawn, like every box.
    bool shiftPoints = true;
    QPointF gridOrigin; // a vertical and a horizontal grid line pass through it

    bool isEmpty() const { return scalingRatio == 0; }
};
