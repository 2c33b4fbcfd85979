#pragma once

#include "core/ShapeFieldTable.h"
#include "core/SolveOutcome.h"

// Solves a right circular cone from two of radius, height, slant height and volume.
// The surface is always computed, never read.
class ConeSolver {
public:
    // Field order of the cone: the order its values are written and logged.
    enum Field { Radius, Height, SlantHeight, Volume, Surface, FieldCount };

    static constexpr const char* slantNotOverRadiusMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that the Slant Height is greater than the Radius (> %@ units).\rPlease "
        "try again with different values.");
    static constexpr const char* slantNotOverHeightMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that the Slant Height is greater than the Height (> %@ units).\rPlease "
        "try again with different values.");

    // The fields in writing order, with a solve that reads them in this order.
    static const ShapeFieldTable& fieldTable();

    static SolveOutcome solve(double slantHeight, double height, double radius, double volume);
};
