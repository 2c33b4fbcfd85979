#include "shapes3d/CalculateTrapezoidalPrism.h"

#include "shapes3d/TrapezoidalPrismSolver.h"

#include "shapes3d/TrapezoidalPrismDiagram.h"

#include <QtGlobal>

CalculateTrapezoidalPrism::CalculateTrapezoidalPrism(QWidget* parent)
    : ShapeCalculator(TrapezoidalPrismSolver::fieldTable(), parent)
{
    // Side d only shows results: it is emptied with the rest but never chosen for focus.
    setClearingOrder({Solver::SideA, Solver::SideB, Solver::SideC, Solver::AngleB, Solver::Height,
                      Solver::Surface, Solver::Volume, Solver::SideD});
    buildStandardPane(new TrapezoidalPrismDiagram);
}

void CalculateTrapezoidalPrism::setTrapezoidalPrismFields(double a, double b, double c, double d,
                                                          double angleB, double h, double surface,
                                                          double volume)
{
    setFields({a, b, c, d, angleB, h, volume, surface});
}
