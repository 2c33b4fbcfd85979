#include "shapes2d/CalculateTrapezoid.h"

#include "shapes2d/TrapeziumDiagram.h"
#include "shapes2d/TrapeziumSolver.h"

#include <QtGlobal>

using Field = TrapeziumSolver::Field;

CalculateTrapezoid::CalculateTrapezoid(QWidget* parent)
    : ShapeCalculator(TrapeziumSolver::fieldTable(), parent)
{
    buildStandardPane(new TrapeziumDiagram);
}

TextField* CalculateTrapezoid::sideATextField() const
{
    return field(Field::SideA);
}

TextField* CalculateTrapezoid::sideBTextField() const
{
    return field(Field::SideB);
}

TextField* CalculateTrapezoid::sideCTextField() const
{
    return field(Field::SideC);
}

TextField* CalculateTrapezoid::sideDTextField() const
{
    return field(Field::SideD);
}

TextField* CalculateTrapezoid::angleATextField() const
{
    return field(Field::AngleA);
}

TextField* CalculateTrapezoid::angleBTextField() const
{
    return field(Field::AngleB);
}

TextField* CalculateTrapezoid::angleCTextField() const
{
    return field(Field::AngleC);
}

TextField* CalculateTrapezoid::angleDTextField() const
{
    return field(Field::AngleD);
}

TextField* CalculateTrapezoid::heightHTextField() const
{
    return field(Field::Height);
}

TextField* CalculateTrapezoid::areaTextField() const
{
    return field(Field::Area);
}

TextField* CalculateTrapezoid::circumferenceTextField() const
{
    return field(Field::Perimeter);
}

void CalculateTrapezoid::setTrapezoidFields(double sideA, double sideB, double sideC, double sideD,
                                            double angleA, double angleB, double angleC,
                                            double angleD, double height, double area,
                                            double perimeter)
{
    setFields(
        {sideA, sideB, sideC, sideD, angleA, angleB, angleC, angleD, height, area, perimeter});
}
