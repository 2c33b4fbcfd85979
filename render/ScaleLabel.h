#pragma once

#include <QString>

// The grid's spacing and the label that states it. Each grid square is a power of ten of
// the figure's unit of length, chosen so that a square is more than 5 and at most 50 view
// units wide.
struct ScaleLabel {
    double gridSpacing = 0; // view units; 0 when no figure is laid out
    double unitsPerSquare = 0;
    QString text; // "Scale 1:10", "Scale 10:1"; empty when no figure is laid out

    // From the view units per unit of length of the laid-out figure (0: none).
    static ScaleLabel calculateScalingString(double scalingRatio);
};
