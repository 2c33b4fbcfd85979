#pragma once

#include "core/ShapeFieldTable.h"
#include "core/SolveOutcome.h"

// Solves a right prism over a triangle with sides a, b and c. With the three sides, one
// of height, volume or surface completes it; with one side missing, the height and the
// volume give the base area and thereby the missing side.
class TriangularPrismSolver {
public:
    // Field order of the prism: the order its values are written and logged.
    enum Field { SideA, SideB, SideC, Height, Volume, Surface, FieldCount };

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
    static constexpr const char* baseAreasMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that the Surface is greater than the sum of the two base areas (> %@ "
        "square units).\rPlease try again with different values.");
    static constexpr const char* volumeTooLargeMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "Please make sure that the Volume is not greater than %@ cubic units.\rPlease try again "
        "with different values.");

    // The fields in writing order, with a solve that reads them in this order.
    static const ShapeFieldTable& fieldTable();

    static SolveOutcome solve(double a, double b, double c, double h, double volume,
                              double surface);
};
