#pragma once

#include <QString>

// The scale of the solid view's grid: how many squares span the solid's largest
// dimension, what length one square stands for, and the label that says so.
struct SolidScale {
    double gridScalingFactor = 0; // squares across the largest dimension, in [1, 100)
    double scaleStringFactor = 0; // the length of one square, in units
    QString label;                // "Scale 1:10", "Scale 10:1", ...

    // `largestDimension`: the layout's gridScalingFactor; `viewHeight` in pixels.
    static SolidScale calculateScalingString(double largestDimension, float viewHeight);
};
