#include "shapes2d/CalculateSquare.h"

#include "shapes2d/SquareDiagram.h"
#include "shapes2d/SquareSolver.h"

#include <QtGlobal>

CalculateSquare::CalculateSquare(QWidget* parent)
    : ShapeCalculator(QT_TRANSLATE_NOOP("Polymetra", "Square"), Dimension::Plane,
                      {
                          {"sideATextField", QT_TRANSLATE_NOOP("Polymetra", "Side:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide: ")},
                          {"areaTextField", QT_TRANSLATE_NOOP("Polymetra", "Area:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nArea: ")},
                          {"circumferenceTextField", QT_TRANSLATE_NOOP("Polymetra", "Perimeter:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nPerimeter: ")},
                      },
                      parent)
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

SolveOutcome CalculateSquare::solve(const std::vector<double>& values) const
{
    return SquareSolver::solve(values[SquareSolver::Area], values[SquareSolver::Side],
                               values[SquareSolver::Perimeter]);
}

void CalculateSquare::setSquareFields(double area, double side, double perimeter)
{
    setFields({side, area, perimeter});
}
