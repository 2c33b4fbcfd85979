#include "shapes2d/CalculateTrapezoid.h"

#include "shapes2d/TrapeziumDiagram.h"
#include "shapes2d/TrapeziumSolver.h"

#include <QtGlobal>

using Field = TrapeziumSolver::Field;

CalculateTrapezoid::CalculateTrapezoid(QWidget* parent)
    : ShapeCalculator(QT_TRANSLATE_NOOP("Polymetra", "Trapezium"), Dimension::Plane,
                      {
                          {"sideATextField", QT_TRANSLATE_NOOP("Polymetra", "Side a:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide a: ")},
                          {"sideBTextField", QT_TRANSLATE_NOOP("Polymetra", "Side b:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide b: ")},
                          {"sideCTextField", QT_TRANSLATE_NOOP("Polymetra", "Side c:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide c: ")},
                          {"sideDTextField", QT_TRANSLATE_NOOP("Polymetra", "Side d:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide d: ")},
                          {"angleATextField", QT_TRANSLATE_NOOP("Polymetra", "Angle A:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nAngle a: ")},
                          {"angleBTextField", QT_TRANSLATE_NOOP("Polymetra", "Angle B:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nAngle b: ")},
                          {"angleCTextField", QT_TRANSLATE_NOOP("Polymetra", "Angle C:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nAngle c: ")},
                          {"angleDTextField", QT_TRANSLATE_NOOP("Polymetra", "Angle D:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nAngle d: ")},
                          {"heightHTextField", QT_TRANSLATE_NOOP("Polymetra", "Height:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nHeight: ")},
                          {"areaTextField", QT_TRANSLATE_NOOP("Polymetra", "Area:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nArea: "), FieldRole::OutputOnly},
                          {"circumferenceTextField", QT_TRANSLATE_NOOP("Polymetra", "Perimeter:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nPerimeter: "), FieldRole::OutputOnly},
                      },
                      parent)
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

SolveOutcome CalculateTrapezoid::solve(const std::vector<double>& values) const
{
    return TrapeziumSolver::solve(values);
}

void CalculateTrapezoid::setTrapezoidFields(double sideA, double sideB, double sideC, double sideD,
                                            double angleA, double angleB, double angleC,
                                            double angleD, double height, double area,
                                            double perimeter)
{
    setFields(
        {sideA, sideB, sideC, sideD, angleA, angleB, angleC, angleD, height, area, perimeter});
}
