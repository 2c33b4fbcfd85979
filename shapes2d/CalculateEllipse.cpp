#include "shapes2d/CalculateEllipse.h"

#include "shapes2d/EllipseDiagram.h"
#include "shapes2d/EllipseSolver.h"

#include <QtGlobal>

CalculateEllipse::CalculateEllipse(QWidget* parent)
    : ShapeCalculator(
          QT_TRANSLATE_NOOP("Polymetra", "Ellipse"), Dimension::Plane,
          {
              {"RadiusATextField", QT_TRANSLATE_NOOP("Polymetra", "Radius a:"),
               QT_TRANSLATE_NOOP("Polymetra", "\nRadius a: ")},
              {"RadiusBTextField", QT_TRANSLATE_NOOP("Polymetra", "Radius b:"),
               QT_TRANSLATE_NOOP("Polymetra", "\nRadius b: ")},
              {"areaTextField", QT_TRANSLATE_NOOP("Polymetra", "Area:"),
               QT_TRANSLATE_NOOP("Polymetra", "\nArea: ")},
              {"circumferenceTextField", QT_TRANSLATE_NOOP("Polymetra", "Circumference:"),
               QT_TRANSLATE_NOOP("Polymetra", "\nCircumference: "), FieldRole::OutputOnly},
          },
          parent)
{
    buildStandardPane(new EllipseDiagram);
}

TextField* CalculateEllipse::RadiusATextField() const
{
    return field(EllipseSolver::RadiusA);
}

TextField* CalculateEllipse::RadiusBTextField() const
{
    return field(EllipseSolver::RadiusB);
}

TextField* CalculateEllipse::areaTextField() const
{
    return field(EllipseSolver::Area);
}

TextField* CalculateEllipse::circumferenceTextField() const
{
    return field(EllipseSolver::Circumference);
}

SolveOutcome CalculateEllipse::solve(const std::vector<double>& values) const
{
    return EllipseSolver::solve(values[EllipseSolver::Area], values[EllipseSolver::RadiusA],
                                values[EllipseSolver::RadiusB]);
}

void CalculateEllipse::setEllipseFields(double area, double radiusA, double radiusB,
                                        double circumference)
{
    setFields({radiusA, radiusB, area, circumference});
}
