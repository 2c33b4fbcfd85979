#pragma once

#include "core/ShapeFieldTable.h"
#include "core/SolveOutcome.h"

#include <vector>

// Solves a general triangle from three of its sides and angles, or from side a, an angle
// at one of its ends and the area: 21 cases in precedence. A side-side-angle input is
// accepted only when its solution is unique (the angle faces the longer side, or the sides
// are equal and the angle is acute).
class TriangleSolver {
public:
    // Field order of the triangle: the order its values are written and logged. Side a
    // lies opposite angle A, and so on.
    enum Field {
        SideA,
        SideB,
        SideC,
        AngleA,
        AngleB,
        AngleC,
        Height, // onto side a
        Area,
        Perimeter,
        FieldCount
    };

    static constexpr const char* angleSumMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "The sum of the angles in a triangle can't exceed 180 degrees.\rPlease try again with "
        "different values.");
    static constexpr const char* sideAMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that the sum of Side b and Side c is greater than Side a (> %@ "
        "units).\rPlease try again with different values.");
    static constexpr const char* sideBMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that the sum of Side a and Side c is greater than Side b (> %@ "
        "units).\rPlease try again with different values.");
    static constexpr const char* sideCMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that the sum of Side a and Side b is greater than Side c (> %@ "
        "units).\rPlease try again with different values.");
    static constexpr const char* oppositeLargerSideMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that the Angle given is the one opposite the larger side.\rPlease try "
        "again with different values.");
    static constexpr const char* angleALessThan90Message = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that Angle A is less than 90 degrees.\rPlease try again with different "
        "values.");
    static constexpr const char* angleBLessThan90Message = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that Angle B is less than 90 degrees.\rPlease try again with different "
        "values.");
    static constexpr const char* angleCLessThan90Message = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that Angle C is less than 90 degrees.\rPlease try again with different "
        "values.");

    // The values indexed by Field; 0 means not entered. Height and perimeter are read only
    // to tell whether anything was entered.
    // The fields in writing order, with a solve that reads them in this order.
    static const ShapeFieldTable& fieldTable();

    static SolveOutcome solve(const std::vector<double>& values);
};
