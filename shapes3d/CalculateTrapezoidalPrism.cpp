#include "shapes3d/CalculateTrapezoidalPrism.h"

#include "shapes3d/TrapezoidalPrismDiagram.h"

#include <QtGlobal>

CalculateTrapezoidalPrism::CalculateTrapezoidalPrism(QWidget* parent)
    : ShapeCalculator(QT_TRANSLATE_NOOP("Polymetra", "Trapezoidal Prism"), Dimension::Solid,
                      {
                          {"sideATextField", QT_TRANSLATE_NOOP("Polymetra", "Side a:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide a: ")},
                          {"sideBTextField", QT_TRANSLATE_NOOP("Polymetra", "Side b:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide b: ")},
                          {"sideCTextField", QT_TRANSLATE_NOOP("Polymetra", "Side c:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide c: ")},
                          {"sideDTetxField", QT_TRANSLATE_NOOP("Polymetra", "Side d:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide d: "), FieldRole::OutputOnly},
                          {"angleBTextField", QT_TRANSLATE_NOOP("Polymetra", "Angle B:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nAngle b: ")},
                          {"heightTextField", QT_TRANSLATE_NOOP("Polymetra", "Height:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nHeight: ")},
                          {"volumeTextField", QT_TRANSLATE_NOOP("Polymetra", "Volume:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nVolume: ")},
                          {"surfaceTextField", QT_TRANSLATE_NOOP("Polymetra", "Surface:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSurface: ")},
                      },
                      parent)
{
    // Side d only shows results: it is emptied with the rest but never chosen for focus.
    setClearingOrder({Solver::SideA, Solver::SideB, Solver::SideC, Solver::AngleB, Solver::Height,
                      Solver::Surface, Solver::Volume, Solver::SideD});
    buildStandardPane(new TrapezoidalPrismDiagram);
}

SolveOutcome CalculateTrapezoidalPrism::solve(const std::vector<double>& values) const
{
    // A side d typed into the output-only field is never read.
    return Solver::solve(values[Solver::SideA], values[Solver::SideB], values[Solver::SideC],
                         values[Solver::AngleB], values[Solver::Height], values[Solver::Volume],
                         values[Solver::Surface]);
}

void CalculateTrapezoidalPrism::setTrapezoidalPrismFields(double a, double b, double c, double d,
                                                          double angleB, double h, double surface,
                                                          double volume)
{
    setFields({a, b, c, d, angleB, h, volume, surface});
}
