#include "shapes2d/CalculateTriangle.h"

#include "shapes2d/TriangleDiagram.h"
#include "shapes2d/TriangleSolver.h"

#include <QtGlobal>

using Field = TriangleSolver::Field;

CalculateTriangle::CalculateTriangle(QWidget* parent)
    : ShapeCalculator(QT_TRANSLATE_NOOP("Polymetra", "Triangle"), Dimension::Plane,
                      {
                          {"sideATextField", QT_TRANSLATE_NOOP("Polymetra", "Side a:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide a: ")},
                          {"sideBTextField", QT_TRANSLATE_NOOP("Polymetra", "Side b:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide b: ")},
                          {"sideCTextField", QT_TRANSLATE_NOOP("Polymetra", "Side c:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide c: ")},
                          {"angleATextField", QT_TRANSLATE_NOOP("Polymetra", "Angle A:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nAngle a: ")},
                          {"angleBTextField", QT_TRANSLATE_NOOP("Polymetra", "Angle B:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nAngle b: ")},
                          {"angleCTextField", QT_TRANSLATE_NOOP("Polymetra", "Angle C:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nAngle c: ")},
                          {"yHeightTextField", QT_TRANSLATE_NOOP("Polymetra", "Height:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nHeight: "), FieldRole::OutputOnly},
                          {"areaTextField", QT_TRANSLATE_NOOP("Polymetra", "Area:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nArea: ")},
                          {"circumferenceTextField", QT_TRANSLATE_NOOP("Polymetra", "Perimeter:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nPerimeter: "), FieldRole::OutputOnly},
                      },
                      parent)
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

SolveOutcome CalculateTriangle::solve(const std::vector<double>& values) const
{
    return TriangleSolver::solve(values);
}

void CalculateTriangle::setTriangleFields(double area, double sideA, double sideB, double sideC,
                                          double angleA, double angleB, double angleC,
                                          double height, double perimeter)
{
    setFields({sideA, sideB, sideC, angleA, angleB, angleC, height, area, perimeter});
}
