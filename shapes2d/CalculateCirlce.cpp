#include "shapes2d/CalculateCirlce.h"

#include "shapes2d/CircleDiagram.h"
#include "shapes2d/CircleSolver.h"

#include <QtGlobal>

CalculateCirlce::CalculateCirlce(QWidget* parent)
    : ShapeCalculator(CircleSolver::fieldTable(), parent)
{
    buildStandardPane(new CircleDiagram);
}

TextField* CalculateCirlce::radiusTextField() const
{
    return field(CircleSolver::Radius);
}

TextField* CalculateCirlce::diameterTextField() const
{
    return field(CircleSolver::Diameter);
}

TextField* CalculateCirlce::areaTextField() const
{
    return field(CircleSolver::Area);
}

TextField* CalculateCirlce::circumferenceTextField() const
{
    return field(CircleSolver::Circumference);
}

void CalculateCirlce::setCircleFields(double area, double radius, double diameter,
                                      double circumference)
{
    setFields({radius, diameter, area, circumference});
}
