#include "shapes3d/CalculateSphere.h"

#include "shapes3d/SphereDiagram.h"

#include <QtGlobal>

CalculateSphere::CalculateSphere(QWidget* parent)
    : ShapeCalculator(QT_TRANSLATE_NOOP("Polymetra", "Sphere"), Dimension::Solid,
                      {
                          {"radiusTextField", QT_TRANSLATE_NOOP("Polymetra", "Radius:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nRadius: ")},
                          {"diameterTextField", QT_TRANSLATE_NOOP("Polymetra", "Diameter:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nDiameter: ")},
                          {"volumeTextField", QT_TRANSLATE_NOOP("Polymetra", "Volume:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nVolume: ")},
                          {"surfaceTextField", QT_TRANSLATE_NOOP("Polymetra", "Surface:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSurface: ")},
                      },
                      parent)
{
    setClearingOrder({Solver::Radius, Solver::Diameter, Solver::Surface, Solver::Volume});
    buildStandardPane(new SphereDiagram);
}

SolveOutcome CalculateSphere::solve(const std::vector<double>& values) const
{
    return Solver::solve(values[Solver::Diameter], values[Solver::Radius], values[Solver::Surface],
                         values[Solver::Volume]);
}

void CalculateSphere::setSphereFields(double r, double diameter, double surface, double volume)
{
    setFields({r, diameter, volume, surface});
}
