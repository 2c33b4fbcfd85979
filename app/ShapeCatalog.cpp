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
    static const std::vector<ShapeEntry> table = {
        {QT_TRANSLATE_NOOP("Polymetra", "Ellipse"), Dimension::Plane, "InfoEllipse",
         "dockEllipse.png", make<CalculateEllipse>()},
        {QT_TRANSLATE_NOOP("Polymetra", "Circle"), Dimension::Plane, "InfoCircle", "dockCircle.png",
         make<CalculateCirlce>()},
        {QT_TRANSLATE_NOOP("Polymetra", "Rectangle"), Dimension::Plane, "InfoRectangle",
         "dockRectangle.png", make<CalculateRectangle>()},
        {QT_TRANSLATE_NOOP("Polymetra", "Square"), Dimension::Plane, "InfoSquare", "dockSquare.png",
         make<CalculateSquare>()},
        {QT_TRANSLATE_NOOP("Polymetra", "Triangle"), Dimension::Plane, "InfoTriangle",
         "dockTriangle.png", make<CalculateTriangle>()},
        {QT_TRANSLATE_NOOP("Polymetra", "Trapezium"), Dimension::Plane, "InfoTrapezoid",
         "dockTrapezoid.png", make<CalculateTrapezoid>()},
        {QT_TRANSLATE_NOOP("Polymetra", "Parallelogram"), Dimension::Plane, "InfoParallelogram",
         "dockParallelogram.png", make<CalculateParallelogram>()},
        {QT_TRANSLATE_NOOP("Polymetra", "Regular Polygon"), Dimension::Plane, "InfoPolygon",
         "dockPolygon.png", make<CalculatePolygon>()},
        {QT_TRANSLATE_NOOP("Polymetra", "Rectangular Prism"), Dimension::Solid,
         "InfoRectangularPrism", "dockRectangularPrism.png", make<CalculateRectangularPrism>()},
        {QT_TRANSLATE_NOOP("Polymetra", "Triangular Prism"), Dimension::Solid,
         "InfoTriangularPrism", "dockTriangularPrism.png", make<CalculateTriangularPrism>()},
        {QT_TRANSLATE_NOOP("Polymetra", "Trapezoidal Prism"), Dimension::Solid,
         "InfoTrapezoidalPrism", "dockTrapezoidalPrism.png", make<CalculateTrapezoidalPrism>()},
        {QT_TRANSLATE_NOOP("Polymetra", "Cylinder"), Dimension::Solid, "InfoCylinder",
         "dockCylinder.png", make<CalculateCylinder>()},
        {QT_TRANSLATE_NOOP("Polymetra", "Cone"), Dimension::Solid, "InfoCone", "dockCone.png",
         make<CalculateCone>()},
        {QT_TRANSLATE_NOOP("Polymetra", "Pyramid"), Dimension::Solid, "InfoPyramid",
         "dockPyramid.png", make<CalculatePyramid>()},
        {QT_TRANSLATE_NOOP("Polymetra", "Sphere"), Dimension::Solid, "InfoSphere", "dockSphere.png",
         make<CalculateSphere>()},
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
