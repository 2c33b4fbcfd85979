#include "app/ShapeCatalog.h"

#include "shapes2d/CalculateCirlce.h"
#include "shapes2d/CalculateEllipse.h"
#include "shapes2d/CalculateParallelogram.h"
#include "shapes2d/CalculatePolygon.h"
#include "shapes2d/CalculateRectangle.h"
#include "shapes2d/CalculateSquare.h"
#include "shapes2d/CalculateTrapezoid.h"
#include "shapes2d/CalculateTriangle.h"
#include "shapes3d/CalculateCone.h"
#include "shapes3d/CalculateCylinder.h"
#include "shapes3d/CalculatePyramid.h"
#include "shapes3d/CalculateRectangularPrism.h"
#include "shapes3d/CalculateSphere.h"
#include "shapes3d/CalculateTrapezoidalPrism.h"
#include "shapes3d/CalculateTriangularPrism.h"

#include <QtGlobal>

namespace {

using Dimension = ShapeCalculator::Dimension;

template <typename Calculator> std::function<ShapeCalculator*()> make()
{
    return [] { return new Calculator; };
}

} // namespace

const std::vector<ShapeEntry>& ShapeCatalog::shapes()
{
    using F = PlaneFigureLayout::Figure;
    using S = SolidKind;
    static const std::vector<ShapeEntry> table = {
        {QT_TRANSLATE_NOOP("Polymetra", "Ellipse"),
         Dimension::Plane,
         "InfoEllipse",
         "dockEllipse.png",
         make<CalculateEllipse>(),
         {F::Ellipse, {"RadiusATextField", "RadiusBTextField"}, "RadiusATextField"}},
        {QT_TRANSLATE_NOOP("Polymetra", "Circle"),
         Dimension::Plane,
         "InfoCircle",
         "dockCircle.png",
         make<CalculateCirlce>(),
         {F::Circle, {"radiusTextField"}, "radiusTextField"}},
        {QT_TRANSLATE_NOOP("Polymetra", "Rectangle"),
         Dimension::Plane,
         "InfoRectangle",
         "dockRectangle.png",
         make<CalculateRectangle>(),
         {F::Rectangle, {"sideATextField", "sideBTextField"}, "sideATextField"}},
        {QT_TRANSLATE_NOOP("Polymetra", "Square"),
         Dimension::Plane,
         "InfoSquare",
         "dockSquare.png",
         make<CalculateSquare>(),
         {F::Square, {"sideATextField"}, "sideATextField"}},
        {QT_TRANSLATE_NOOP("Polymetra", "Triangle"),
         Dimension::Plane,
         "InfoTriangle",
         "dockTriangle.png",
         make<CalculateTriangle>(),
         {F::Triangle,
          {"sideATextField", "sideBTextField", "sideCTextField", "angleATextField",
           "angleBTextField", "angleCTextField", "yHeightTextField"},
          "sideATextField",
          "angleATextField"}},
        {QT_TRANSLATE_NOOP("Polymetra", "Trapezium"),
         Dimension::Plane,
         "InfoTrapezoid",
         "dockTrapezoid.png",
         make<CalculateTrapezoid>(),
         {F::Trapezium,
          {"sideATextField", "sideBTextField", "sideCTextField", "sideDTextField",
           "angleATextField", "angleBTextField", "angleCTextField", "angleDTextField",
           "heightHTextField"},
          "sideATextField",
          "angleATextField"}},
        {QT_TRANSLATE_NOOP("Polymetra", "Parallelogram"),
         Dimension::Plane,
         "InfoParallelogram",
         "dockParallelogram.png",
         make<CalculateParallelogram>(),
         {F::Parallelogram,
          {"sideATextField", "sideBTextField", "angleATextField", "angleBTextField",
           "yHeightTextField"},
          "sideATextField",
          "angleATextField"}},
        // The table fields hold the number of sides, and the same lengths as the graphic
        // fields once a polygon is solved.
        {QT_TRANSLATE_NOOP("Polymetra", "Regular Polygon"),
         Dimension::Plane,
         "InfoPolygon",
         "dockPolygon.png",
         make<CalculatePolygon>(),
         {F::RegularPolygon,
          {"xsidesNTextField", "xradiusATextField"},
          "xsideTextField",
          "xsidesNTextField"}},
        {QT_TRANSLATE_NOOP("Polymetra", "Rectangular Prism"),
         Dimension::Solid,
         "InfoRectangularPrism",
         "dockRectangularPrism.png",
         make<CalculateRectangularPrism>(),
         {S::RectangularPrism,
          {"sideATextField", "sideBTextField", "heightTextField"},
          "sideATextField"}},
        {QT_TRANSLATE_NOOP("Polymetra", "Triangular Prism"),
         Dimension::Solid,
         "InfoTriangularPrism",
         "dockTriangularPrism.png",
         make<CalculateTriangularPrism>(),
         {S::TriangularPrism,
          {"sideATextField", "sideBTextField", "sideCTextField", "heightTextField"},
          "sideATextField"}},
        {QT_TRANSLATE_NOOP("Polymetra", "Trapezoidal Prism"),
         Dimension::Solid,
         "InfoTrapezoidalPrism",
         "dockTrapezoidalPrism.png",
         make<CalculateTrapezoidalPrism>(),
         {S::TrapezoidalPrism,
          {"sideATextField", "sideBTextField", "sideCTextField", "angleBTextField",
           "heightTextField"},
          "sideATextField"}},
        {QT_TRANSLATE_NOOP("Polymetra", "Cylinder"),
         Dimension::Solid,
         "InfoCylinder",
         "dockCylinder.png",
         make<CalculateCylinder>(),
         {S::Cylinder, {"radiusTextField", "heightTextField"}, "radiusTextField"}},
        {QT_TRANSLATE_NOOP("Polymetra", "Cone"),
         Dimension::Solid,
         "InfoCone",
         "dockCone.png",
         make<CalculateCone>(),
         {S::Cone, {"radiusTextField", "HeigthHTextField"}, "radiusTextField"}},
        {QT_TRANSLATE_NOOP("Polymetra", "Pyramid"),
         Dimension::Solid,
         "InfoPyramid",
         "dockPyramid.png",
         make<CalculatePyramid>(),
         {S::Pyramid, {"sideATextField", "sideBTextField", "heightHTextField"}, "sideATextField"}},
        {QT_TRANSLATE_NOOP("Polymetra", "Sphere"),
         Dimension::Solid,
         "InfoSphere",
         "dockSphere.png",
         make<CalculateSphere>(),
         {S::Sphere, {"radiusTextField"}, "radiusTextField"}},
    };
    return table;
}

const ShapeEntry* ShapeCatalog::find(const QString& name)
{
    for (const ShapeEntry& entry : shapes()) {
        if (name == QLatin1String(entry.name))
            return &entry;
    }
    return nullptr;
}

QString ShapeCatalog::defaultShape(ShapeCalculator::Dimension dimension)
{
    return dimension == Dimension::Plane ? QStringLiteral("Ellipse")
                                         : QStringLiteral("Rectangular Prism");
}
