#include "shapes2d/CalculateRectangle.h"

#include "shapes2d/RectangleDiagram.h"
#include "shapes2d/RectangleSolver.h"

#include <QtGlobal>

CalculateRectangle::CalculateRectangle(QWidget* parent)
    : ShapeCalculator(RectangleSolver::fieldTable(), parent)
{
    buildStandardPane(new RectangleDiagram);
}

TextField* CalculateRectangle::sideATextField() const
{
    return field(RectangleSolver::SideA);
}

TextField* CalculateRectangle::sideBTextField() const
{
    return field(RectangleSolver::SideB);
}

TextField* CalculateRectangle::areaTextField() const
{
    return field(RectangleSolver::Area);
}

TextField* CalculateRectangle::circumferenceTextField() const
{
    return field(RectangleSolver::Perimeter);
}

void CalculateRectangle::setRectangleFields(double area, double sideA, double sideB,
                                            double perimeter)
{
    setFields({sideA, sideB, area, perimeter});
}
