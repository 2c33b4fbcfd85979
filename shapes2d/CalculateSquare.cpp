#include "shapes2d/CalculateSquare.h"

#include "shapes2d/SquareDiagram.h"
#include "shapes2d/SquareSolver.h"

#include <QtGlobal>

CalculateSquare::CalculateSquare(QWidget* parent)
    : ShapeCalculator(SquareSolver::fieldTable(), parent)
{
    buildStandardPane(new SquareDiagram);
}

TextField* CalculateSquare::sideATextField() const
{
    return field(SquareSolver::Side);
}

TextField* CalculateSquare::areaTextField() const
{
    return field(SquareSolver::Area);
}

TextField* CalculateSquare::circumferenceTextField() const
{
    return field(SquareSolver::Perimeter);
}

void CalculateSquare::setSquareFields(double area, double side, double perimeter)
{
    setFields({side, area, perimeter});
}
