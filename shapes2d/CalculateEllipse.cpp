#include "shapes2d/CalculateEllipse.h"

#include "shapes2d/EllipseDiagram.h"
#include "shapes2d/EllipseSolver.h"

#include <QtGlobal>

CalculateEllipse::CalculateEllipse(QWidget* parent)
    : ShapeCalculator(EllipseSolver::fieldTable(), parent)
{
    buildStandardPane(new EllipseDiagram);
}

TextField* CalculateEllipse::RadiusATextField() const
{
    return field(EllipseSolver::RadiusA);
}

TextField* CalculateEllipse::RadiusBTextField() const
{
    return field(EllipseSolver::RadiusB);
}

TextField* CalculateEllipse::areaTextField() const
{
    return field(EllipseSolver::Area);
}

TextField* CalculateEllipse::circumferenceTextField() const
{
    return field(EllipseSolver::Circumference);
}

void CalculateEllipse::setEllipseFields(double area, double radiusA, double radiusB,
                                        double circumference)
{
    setFields({radiusA, radiusB, area, circumference});
}
