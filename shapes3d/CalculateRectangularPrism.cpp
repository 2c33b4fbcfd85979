#include "shapes3d/CalculateRectangularPrism.h"

#include "shapes3d/RectangularPrismSolver.h"

#include "shapes3d/RectangularPrismDiagram.h"

#include <QtGlobal>

CalculateRectangularPrism::CalculateRectangularPrism(QWidget* parent)
    : ShapeCalculator(RectangularPrismSolver::fieldTable(), parent)
{
    buildStandardPane(new RectangularPrismDiagram);
}

void CalculateRectangularPrism::setRectangularPrismFields(double a, double b, double h,
                                                          double surface, double volume)
{
    setFields({a, b, h, volume, surface});
}
