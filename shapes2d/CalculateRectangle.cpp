#include "shapes2d/CalculateRectangle.h"

#include "shapes2d/RectangleDiagram.h"
#include "shapes2d/RectangleSolver.h"

#include <QtGlobal>

CalculateRectangle::CalculateRectangle(QWidget* parent)
    : ShapeCalculator(QT_TRANSLATE_NOOP("Polymetra", "Rectangle"), Dimension::Plane,
                      {
                          {"sideATextField", QT_TRANSLATE_NOOP("Polymetra", "Side a:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide a: ")},
                          {"sideBTextField", QT_TRANSLATE_NOOP("Polymetra", "Side b:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide b: ")},
                          {"areaTextField", QT_TRANSLATE_NOOP("Polymetra", "Area:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nArea: ")},
                          {"circumferenceTextField", QT_TRANSLATE_NOOP("Polymetra", "Perimeter:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nPerimeter: ")},
                      },
                      parent)
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

SolveOutcome CalculateRectangle::solve(const std::vector<double>& values) const
{
    return RectangleSolver::solve(values[RectangleSolver::Area], values[RectangleSolver::SideA],
                                  values[RectangleSolver::SideB],
                                  values[RectangleSolver::Perimeter]);
}

void CalculateRectangle::setRectangleFields(double area, double sideA, double sideB,
                                            double perimeter)
{
    setFields({sideA, sideB, area, perimeter});
}
