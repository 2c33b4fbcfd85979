#pragma once

#include "render/SolidKind.h"
#include "render/SolidLayout.h"

#include <functional>

class ShapeCalculator;
class TextField;

// The calculator fields the solid view reads when it lays a solid out. The view never
// calls a calculator: it only reads these fields' numbers and whether the key field is
// still editable (not solved yet).
struct SolidFieldOutlets {
    TextField* rectangularPrismSideATextField = nullptr;
    TextField* rectangularPrismSideBTextField = nullptr;
    TextField* rectangularPrismHeightTextField = nullptr;
    TextField* triangularPrismSideATextField = nullptr;
    TextField* triangularPrismSideBTextField = nullptr;
    TextField* triangularPrismSideCTextField = nullptr;
    TextField* triangularPrismHeightTextField = nullptr;
    TextField* trapezoidalPrismSideATextField = nullptr;
    TextField* trapezoidalPrismSideBTextField = nullptr;
    TextField* trapezoidalPrismSideCTextField = nullptr;
    TextField* trapezoidalPrismAngleBTextField = nullptr;
    TextField* trapezoidalPrismHeightTextField = nullptr;
    TextField* pyramidSideATextField = nullptr;
    TextField* pyramidSideBTextField = nullptr;
    TextField* pyramidHeightTextField = nullptr;
    TextField* cylinderRadiusTextField = nullptr;
    TextField* cylinderHeightTextField = nullptr;
    TextField* coneRadiusTextField = nullptr;
    TextField* coneHeightTextField = nullptr;
    TextField* sphereRadiusTextField = nullptr;

    // Connects the outlets to the fields of the calculators `calculatorNamed` finds by
    // shape name; a missing calculator leaves its outlets empty.
    static SolidFieldOutlets
    fromCalculators(const std::function<ShapeCalculator*(const char* shapeName)>& calculatorNamed);

    // The field whose editability says the solid is not solved; nullptr if unconnected.
    TextField* keyField(SolidKind kind) const;
    SolidDimensions dimensions(SolidKind kind) const;
};
