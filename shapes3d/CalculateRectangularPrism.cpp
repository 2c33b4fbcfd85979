#include "shapes3d/CalculateRectangularPrism.h"

#include "shapes3d/RectangularPrismDiagram.h"

#include <QtGlobal>

CalculateRectangularPrism::CalculateRectangularPrism(QWidget* parent)
    : ShapeCalculator(QT_TRANSLATE_NOOP("Polymetra", "Rectangular Prism"), Dimension::Solid,
                      {
                          {"sideATextField", QT_TRANSLATE_NOOP("Polymetra", "Side a:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide a: ")},
                          {"sideBTextField", QT_TRANSLATE_NOOP("Polymetra", "Side b:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide b: ")},
                          {"heightTextField", QT_TRANSLATE_NOOP("Polymetra", "Height:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nHeight: ")},
                          {"volumeTextField", QT_TRANSLATE_NOOP("Polymetra", "Volume:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nVolume: ")},
                          {"surfaceTextField", QT_TRANSLATE_NOOP("Polymetra", "Surface:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSurface: ")},
                      },
                      parent)
{
    buildStandardPane(new RectangularPrismDiagram);
}

SolveOutcome CalculateRectangularPrism::solve(const std::vector<double>& values) const
{
    return Solver::solve(values[Solver::SideA], values[Solver::SideB], values[Solver::Height],
                         values[Solver::Volume], values[Solver::Surface]);
}

void CalculateRectangularPrism::setRectangularPrismFields(double a, double b, double h,
                                                          double surface, double volume)
{
    setFields({a, b, h, volume, surface});
}
