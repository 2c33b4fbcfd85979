#include "shapes3d/CalculateCylinder.h"

#include "shapes3d/CylinderSolver.h"

#include "shapes3d/CylinderDiagram.h"

#include <QtGlobal>

CalculateCylinder::CalculateCylinder(QWidget* parent)
    : ShapeCalculator(CylinderSolver::fieldTable(), parent)
{
    setClearingOrder({Solver::Radius, Solver::Height, Solver::Surface, Solver::Volume});
    buildStandardPane(new CylinderDiagram);
}

void CalculateCylinder::setCylinderFields(double r, double h, double surface, double volume)
{
    setFields({r, h, volume, surface});
}
