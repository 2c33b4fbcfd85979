#include "shapes3d/CalculateSphere.h"

#include "shapes3d/SphereSolver.h"

#include "shapes3d/SphereDiagram.h"

#include <QtGlobal>

CalculateSphere::CalculateSphere(QWidget* parent)
    : ShapeCalculator(SphereSolver::fieldTable(), parent)
{
    setClearingOrder({Solver::Radius, Solver::Diameter, Solver::Surface, Solver::Volume});
    buildStandardPane(new SphereDiagram);
}

void CalculateSphere::setSphereFields(double r, double diameter, double surface, double volume)
{
    setFields({r, diameter, volume, surface});
}
