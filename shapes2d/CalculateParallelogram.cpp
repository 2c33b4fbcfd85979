#include "shapes2d/CalculateParallelogram.h"

#include "core/ClearButton.h"
#include "shapes2d/ParallelogramDiagram.h"
#include "shapes2d/ParallelogramSolver.h"

#include <QtGlobal>

using Field = ParallelogramSolver::Field;

CalculateParallelogram::CalculateParallelogram(QWidget* parent)
    : ShapeCalculator(ParallelogramSolver::fieldTable(), parent)
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

void CalculateParallelogram::setParallelogramFields(double area, double sideA, double sideB,
                                                    double angleA, double angleB, double height,
                                                    double perimeter)
{
    setFields({sideA, sideB, angleA, angleB, height, area, perimeter});
}
