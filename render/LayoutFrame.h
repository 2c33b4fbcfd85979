#pragma once

#include <QPointF>
#include <QRectF>

// The drawing area of a view (its bounds inset by 20 units on every side) and the rule
// that fits a figure's bounding box into it.
class LayoutFrame {
public:
    static constexpr double margin = 20;

    explicit LayoutFrame(const QRectF& bounds);

    struct Fit {
        double scale = 0; // view units per unit of length
        bool fitsWidth = false;
        double left = 0; // lower-left corner of the fitted box
        double bottom = 0;
    };
    // Fits a box w units wide and h high: to the width when it is relatively wider than
    // the drawing area, otherwise to the height, centred in the other direction.
    Fit fit(double w, double h) const;

    QPointF viewCentre() const;

    QRectF bounds; // single precision, as the view's bounds are copied
    double W, H;   // drawing area
    double aspect; // W / H
    double L, T;   // left and bottom edges of the drawing area
};

// Lengths are stored in single precision, as the vertices of the path are.
inline QPointF narrowed(double x, double y)
{
    return QPointF(float(x), float(y));
}
