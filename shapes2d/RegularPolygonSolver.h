#pragma once

#include "core/ShapeFieldTable.h"
#include "core/SolveOutcome.h"

#include <QtGlobal>

#include <optional>
#include <vector>

// Solves a regular polygon from its number of sides and one measure entered in the table
// fields, or a regular pentagon from one measure entered in the graphic fields.
class RegularPolygonSolver {
public:
    // Field order of the polygon: the table fields (number of sides first, name last),
    // then the graphic fields, which always show a pentagon.
    enum Field {
        Sides,
        TableSide,
        TableRadiusA,
        TableRadiusB,
        TableAngle,
        TableArea,
        TablePerimeter,
        Name,
        Side,
        RadiusA,
        RadiusB,
        Angle,
        Area,
        Perimeter,
        FieldCount
    };
    // The six measures of either set, in the order they are written and logged.
    static constexpr int measureCount = 6;
    static constexpr Field tableMeasures[measureCount] = {TableSide,  TableRadiusA, TableRadiusB,
                                                          TableAngle, TableArea,    TablePerimeter};
    static constexpr Field graphicMeasures[measureCount] = {Side,  RadiusA, RadiusB,
                                                            Angle, Area,    Perimeter};

    static constexpr const char* tooFewSidesMessage = QT_TRANSLATE_NOOP(
        "Polymetra", "A polygon has at least 3 sides.\rPlease try again with different values.");

    // The number of sides as a whole count, truncated (5.9 is 5); none when the entry is
    // no usable count: below 3, negative, not finite, or beyond an unsigned 64-bit count.
    static std::optional<quint64> wholeSides(double entered);

    // The values indexed by Field; 0 means not entered. The name is not read.
    static SolveOutcome solve(const std::vector<double>& values);
    // The fields in writing order (the table set, then the graphic set); solves with solve().
    static const ShapeFieldTable& fieldTable();
};
