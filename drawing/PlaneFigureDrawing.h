#pragma once

#include "drawing/FigureDrawing.h"
#include "render/PlaneFigureLayout.h"

#include <QString>

#include <vector>

// A solved plane figure as it goes on paper: the outline the view lays out (the same
// layout code, taken back to the figure's own units) with every side, radius and height
// labelled with its field's value and the vertices named as in the shape's diagram.
class PlaneFigureDrawing {
public:
    // `values` and `texts` are the figure's quantities in the order the view reads them
    // (PlaneFigureReadings); the texts are written as labels. Empty when the figure does
    // not lay out (unsolved, or no such shape).
    static FigureDrawing build(PlaneFigureLayout::Figure figure, const std::vector<float>& values,
                               const std::vector<QString>& texts);
};
