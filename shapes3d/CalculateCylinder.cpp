#include "shapes3d/CalculateCylinder.h"

#include "shapes3d/CylinderDiagram.h"

#include <QtGlobal>

CalculateCylinder::CalculateCylinder(QWidget* parent)
    : ShapeCalculator(QT_TRANSLATE_NOOP("Polymetra", "Cylinder"), Dimension::Solid,
                      {
                          {"radiusTextField", QT_TRANSLATE_NOOP("Polymetra", "Radius:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nRadius: ")},
                          {"heightTextField", QT_TRANSLATE_NOOP("Polymetra", "Height:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nHeight: ")},
                          {"volumeTextField", QT_TRANSLATE_NOOP("Polymetra", "Volume:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nVolume: ")},
                          {"surfaceTextField", QT_TRANSLATE_NOOP("Polymetra", "Surface:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSurface: ")},
                      },
                      parent)
{
    setClearingOrder({Solver::Radius, Solver::Height, Solver::Surface, Solver::Volume});
    buildStandardPane(new CylinderDiagram);
}

SolveOutcome CalculateCylinder::solve(const std::vector<double>& values) const
{
    return Solver::solve(values[Solver::Height], values[Solver::Volume], values[Solver::Radius],
                         values[Solver::Surface]);
}

void CalculateCylinder::setCylinderFields(double r, double h, double surface, double volume)
{
    setFields({r, h, volume, surface});
}
