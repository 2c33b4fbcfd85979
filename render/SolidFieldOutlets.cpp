#include "render/SolidFieldOutlets.h"

#include "core/ShapeCalculator.h"
#include "core/TextField.h"

namespace {

float read(const TextField* field)
{
    return field ? field->floatValue() : 0.0f;
}

} // namespace

SolidFieldOutlets SolidFieldOutlets::fromCalculators(
    const std::function<ShapeCalculator*(const char*)>& calculatorNamed)
{
    SolidFieldOutlets o;
    auto field = [&](SolidKind kind, const char* outlet) -> TextField* {
        ShapeCalculator* calculator = calculatorNamed(solidKindName(kind));
        return calculator ? calculator->fieldByOutlet(QLatin1String(outlet)) : nullptr;
    };
    o.rectangularPrismSideATextField = field(SolidKind::RectangularPrism, "sideATextField");
    o.rectangularPrismSideBTextField = field(SolidKind::RectangularPrism, "sideBTextField");
    o.rectangularPrismHeightTextField = field(SolidKind::RectangularPrism, "heightTextField");
    o.triangularPrismSideATextField = field(SolidKind::TriangularPrism, "sideATextField");
    o.triangularPrismSideBTextField = field(SolidKind::TriangularPrism, "sideBTextField");
    o.triangularPrismSideCTextField = field(SolidKind::TriangularPrism, "sideCTextField");
    o.triangularPrismHeightTextField = field(SolidKind::TriangularPrism, "heightTextField");
    o.trapezoidalPrismSideATextField = field(SolidKind::TrapezoidalPrism, "sideATextField");
    o.trapezoidalPrismSideBTextField = field(SolidKind::TrapezoidalPrism, "sideBTextField");
    o.trapezoidalPrismSideCTextField = field(SolidKind::TrapezoidalPrism, "sideCTextField");
    o.trapezoidalPrismAngleBTextField = field(SolidKind::TrapezoidalPrism, "angleBTextField");
    o.trapezoidalPrismHeightTextField = field(SolidKind::TrapezoidalPrism, "heightTextField");
    o.pyramidSideATextField = field(SolidKind::Pyramid, "sideATextField");
    o.pyramidSideBTextField = field(SolidKind::Pyramid, "sideBTextField");
    o.pyramidHeightTextField = field(SolidKind::Pyramid, "heightHTextField");
    o.cylinderRadiusTextField = field(SolidKind::Cylinder, "radiusTextField");
    o.cylinderHeightTextField = field(SolidKind::Cylinder, "heightTextField");
    o.coneRadiusTextField = field(SolidKind::Cone, "radiusTextField");
    o.coneHeightTextField = field(SolidKind::Cone, "HeigthHTextField");
    o.sphereRadiusTextField = field(SolidKind::Sphere, "radiusTextField");
    return o;
}

TextField* SolidFieldOutlets::keyField(SolidKind kind) const
{
    switch (kind) {
    case SolidKind::RectangularPrism:
        return rectangularPrismSideATextField;
    case SolidKind::TriangularPrism:
        return triangularPrismSideATextField;
    case SolidKind::TrapezoidalPrism:
        return trapezoidalPrismSideATextField;
    case SolidKind::Cylinder:
        return cylinderRadiusTextField;
    case SolidKind::Cone:
        return coneRadiusTextField;
    case SolidKind::Pyramid:
        return pyramidSideATextField;
    case SolidKind::Sphere:
        return sphereRadiusTextField;
    }
    return nullptr;
}

SolidDimensions SolidFieldOutlets::dimensions(SolidKind kind) const
{
    SolidDimensions d;
    switch (kind) {
    case SolidKind::RectangularPrism:
        d.sideA = read(rectangularPrismSideATextField);
        d.sideB = read(rectangularPrismSideBTextField);
        d.height = read(rectangularPrismHeightTextField);
        break;
    case SolidKind::TriangularPrism:
        d.sideA = read(triangularPrismSideATextField);
        d.sideB = read(triangularPrismSideBTextField);
        d.sideC = read(triangularPrismSideCTextField);
        d.height = read(triangularPrismHeightTextField);
        break;
    case SolidKind::TrapezoidalPrism:
        d.sideA = read(trapezoidalPrismSideATextField);
        d.sideB = read(trapezoidalPrismSideBTextField);
        d.sideC = read(trapezoidalPrismSideCTextField);
        d.angleB = read(trapezoidalPrismAngleBTextField);
        d.height = read(trapezoidalPrismHeightTextField);
        break;
    case SolidKind::Cylinder:
        d.radius = read(cylinderRadiusTextField);
        d.height = read(cylinderHeightTextField);
        break;
    case SolidKind::Cone:
        d.radius = read(coneRadiusTextField);
        d.height = read(coneHeightTextField);
        break;
    case SolidKind::Pyramid:
        d.sideA = read(pyramidSideATextField);
        d.sideB = read(pyramidSideBTextField);
        d.height = read(pyramidHeightTextField);
        break;
    case SolidKind::Sphere:
        d.radius = read(sphereRadiusTextField);
        break;
    }
    return d;
}
