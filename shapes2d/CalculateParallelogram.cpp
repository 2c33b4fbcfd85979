#include "shapes2d/CalculateParallelogram.h"

#include "core/ClearButton.h"
#include "shapes2d/ParallelogramDiagram.h"
#include "shapes2d/ParallelogramSolver.h"

#include <QtGlobal>

using Field = ParallelogramSolver::Field;

CalculateParallelogram::CalculateParallelogram(QWidget* parent)
    : ShapeCalculator(QT_TRANSLATE_NOOP("Polymetra", "Parallelogram"), Dimension::Plane,
                      {
                          {"sideATextField", QT_TRANSLATE_NOOP("Polymetra", "Side a:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide a: ")},
                          {"sideBTextField", QT_TRANSLATE_NOOP("Polymetra", "Side b:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide b: ")},
                          {"angleATextField", QT_TRANSLATE_NOOP("Polymetra", "Angle A:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nAngle a: ")},
                          {"angleBTextField", QT_TRANSLATE_NOOP("Polymetra", "Angle B:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nAngle b: ")},
                          {"yHeightTextField", QT_TRANSLATE_NOOP("Polymetra", "Height:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nHeight: ")},
                          {"areaTextField", QT_TRANSLATE_NOOP("Polymetra", "Area:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nArea: ")},
                          {"circumferenceTextField", QT_TRANSLATE_NOOP("Polymetra", "Perimeter:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nPerimeter: ")},
                      },
                      parent)
{
    clearButtonWidget()->setObjectName(QStringLiteral("clearTextFieldsButton"));
    buildStandardPane(new ParallelogramDiagram);
}

TextField* CalculateParallelogram::sideATextField() const
{
    return field(Field::SideA);
}

TextField* CalculateParallelogram::sideBTextField() const
{
    return field(Field::SideB);
}

TextField* CalculateParallelogram::angleATextField() const
{
    return field(Field::AngleA);
}

TextField* CalculateParallelogram::angleBTextField() const
{
    return field(Field::AngleB);
}

TextField* CalculateParallelogram::yHeightTextField() const
{
    return field(Field::Height);
}

TextField* CalculateParallelogram::areaTextField() const
{
    return field(Field::Area);
}

TextField* CalculateParallelogram::circumferenceTextField() const
{
    return field(Field::Perimeter);
}

SolveOutcome CalculateParallelogram::solve(const std::vector<double>& values) const
{
    return ParallelogramSolver::solve(values);
}

void CalculateParallelogram::setParallelogramFields(double area, double sideA, double sideB,
                                                    double angleA, double angleB, double height,
                                                    double perimeter)
{
    setFields({sideA, sideB, angleA, angleB, height, area, perimeter});
}
