#include "shapes3d/CalculateTriangularPrism.h"

#include "shapes3d/TriangularPrismDiagram.h"

#include <QtGlobal>

CalculateTriangularPrism::CalculateTriangularPrism(QWidget* parent)
    : ShapeCalculator(QT_TRANSLATE_NOOP("Polymetra", "Triangular Prism"), Dimension::Solid,
                      {
                          {"sideATextField", QT_TRANSLATE_NOOP("Polymetra", "Side a:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide a: ")},
                          {"sideBTextField", QT_TRANSLATE_NOOP("Polymetra", "Side b:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide b: ")},
                          {"sideCTextField", QT_TRANSLATE_NOOP("Polymetra", "Side c:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide c: ")},
                          {"heightTextField", QT_TRANSLATE_NOOP("Polymetra", "Height:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nHeight: ")},
                          {"volumeTextField", QT_TRANSLATE_NOOP("Polymetra", "Volume:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nVolume: ")},
                          {"surfaceTextField", QT_TRANSLATE_NOOP("Polymetra", "Surface:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSurface: ")},
                      },
                      parent)
{
    buildStandardPane(new TriangularPrismDiagram);
}

SolveOutcome CalculateTriangularPrism::solve(const std::vector<double>& values) const
{
    return Solver::solve(values[Solver::SideA], values[Solver::SideB], values[Solver::SideC],
                         values[Solver::Height], values[Solver::Volume], values[Solver::Surface]);
}

void CalculateTriangularPrism::setTriangularPrismFields(double a, double b, double c, double h,
                                                        double surface, double volume)
{
    setFields({a, b, c, h, volume, surface});
}
