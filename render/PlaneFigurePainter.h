#pragma once

#include "render/PlaneLayout.h"

#include <QColor>
#include <QPainterPath>

class QPainter;

// Draws a laid-out plane figure: white background, the grid, the outline in black and the
// translucent blue fill, in that order. Works on any paint device.
class PlaneFigurePainter {
public:
    static QColor figureFill() { return QColor::fromRgbF(130 / 255.f, 190 / 255.f, 1.f, 0.5f); }
    static QColor gridLine() { return QColor::fromRgbF(93 / 255.f, 161 / 255.f, 1.f, 0.4f); }
    static QColor tenthGridLine() { return QColor::fromRgbF(93 / 255.f, 161 / 255.f, 1.f, 1.f); }

    // Paints a device `deviceHeight` pixels high whose view bounds are `layout`'s, with
    // the grid lines `gridSpacing` view units apart.
    static void paint(QPainter& painter, int deviceHeight, const PlaneLayout& layout,
                      double gridSpacing);
    // Paints the device white and nothing else: no figure on display.
    static void paintBlank(QPainter& painter, const QRectF& deviceRect);

    // A figure's outline as every drawing of it shows it: the line in black, then the
    // translucent fill over the line's inner half. The view and the exported drawings
    // both paint through it.
    static void paintOutline(QPainter& painter, const QPainterPath& outline, double lineWidth);

    // The outline, with the half-unit shift that puts one-unit lines on pixel centres.
    static QPainterPath outlinePath(const PlaneLayout& layout);
};
