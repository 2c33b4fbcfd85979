#include "shapes2d/CalculateCirlce.h"

#include "shapes2d/CircleDiagram.h"
#include "shapes2d/CircleSolver.h"

#include <QtGlobal>

CalculateCirlce::CalculateCirlce(QWidget* parent)
    : ShapeCalculator(
          QT_TRANSLATE_NOOP("Polymetra", "Circle"), Dimension::Plane,
          {
              {"radiusTextField", QT_TRANSLATE_NOOP("Polymetra", "Radius:"),
               QT_TRANSLATE_NOOP("Polymetra", "\nRadius: ")},
              {"diameterTextField", QT_TRANSLATE_NOOP("Polymetra", "Diameter:"),
               QT_TRANSLATE_NOOP("Polymetra", "\nDiameter: ")},
              {"areaTextField", QT_TRANSLATE_NOOP("Polymetra", "Area:"),
               QT_TRANSLATE_NOOP("Polymetra", "\nArea: ")},
              {"circumferenceTextField", QT_TRANSLATE_NOOP("Polymetra", "Circumference:"),
               QT_TRANSLATE_NOOP("Polymetra", "\nCircumference: ")},
          },
          parent)
{
    buildStandardPane(new CircleDiagram);
}

TextField* CalculateCirlce::radiusTextField() const
{
    return field(CircleSolver::Radius);
}

TextField* CalculateCirlce::diameterTextField() const
{
    return field(CircleSolver::Diameter);
}

TextField* CalculateCirlce::areaTextField() const
{
    return field(CircleSolver::Area);
}

TextField* CalculateCirlce::circumferenceTextField() const
{
    return field(CircleSolver::Circumference);
}

SolveOutcome CalculateCirlce::solve(const std::vector<double>& values) const
{
    return CircleSolver::solve(values[CircleSolver::Area], values[CircleSolver::Radius],
                               values[CircleSolver::Diameter], values[CircleSolver::Circumference]);
}

void CalculateCirlce::setCircleFields(double area, double radius, double diameter,
                                      double circumference)
{
    setFields({radius, diameter, area, circumference});
}
