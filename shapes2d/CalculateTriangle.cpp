#include "shapes2d/CalculateTriangle.h"

#include "shapes2d/TriangleDiagram.h"
#include "shapes2d/TriangleSolver.h"

#include <QtGlobal>

using Field = TriangleSolver::Field;

CalculateTriangle::CalculateTriangle(QWidget* parent)
    : ShapeCalculator(TriangleSolver::fieldTable(), parent)
{
    // The area is an input (with side a and an angle), cleared and kept like the others.
    setClearingOrder({Field::SideA, Field::SideB, Field::SideC, Field::AngleA, Field::AngleB,
                      Field::AngleC, Field::Area, Field::Height, Field::Perimeter});
    buildStandardPane(new TriangleDiagram);
}

TextField* CalculateTriangle::sideATextField() const
{
    return field(Field::SideA);
}

TextField* CalculateTriangle::sideBTextField() const
{
    return field(Field::SideB);
}

TextField* CalculateTriangle::sideCTextField() const
{
    return field(Field::SideC);
}

TextField* CalculateTriangle::angleATextField() const
{
    return field(Field::AngleA);
}

TextField* CalculateTriangle::angleBTextField() const
{
    return field(Field::AngleB);
}

TextField* CalculateTriangle::angleCTextField() const
{
    return field(Field::AngleC);
}

TextField* CalculateTriangle::yHeightTextField() const
{
    return field(Field::Height);
}

TextField* CalculateTriangle::areaTextField() const
{
    return field(Field::Area);
}

TextField* CalculateTriangle::circumferenceTextField() const
{
    return field(Field::Perimeter);
}

void CalculateTriangle::setTriangleFields(double area, double sideA, double sideB, double sideC,
                                          double angleA, double angleB, double angleC,
                                          double height, double perimeter)
{
    setFields({sideA, sideB, sideC, angleA, angleB, angleC, height, area, perimeter});
}
