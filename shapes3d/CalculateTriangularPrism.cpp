#include "shapes3d/CalculateTriangularPrism.h"

#include "shapes3d/TriangularPrismSolver.h"

#include "shapes3d/TriangularPrismDiagram.h"

#include <QtGlobal>

CalculateTriangularPrism::CalculateTriangularPrism(QWidget* parent)
    : ShapeCalculator(TriangularPrismSolver::fieldTable(), parent)
{
    buildStandardPane(new TriangularPrismDiagram);
}

void CalculateTriangularPrism::setTriangularPrismFields(double a, double b, double c, double h,
                                                        double surface, double volume)
{
    setFields({a, b, c, h, volume, surface});
}
