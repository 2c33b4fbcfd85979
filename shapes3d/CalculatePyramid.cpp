#include "shapes3d/CalculatePyramid.h"

#include "shapes3d/PyramidSolver.h"

#include "shapes3d/PyramidDiagram.h"

#include <QtGlobal>

CalculatePyramid::CalculatePyramid(QWidget* parent)
    : ShapeCalculator(PyramidSolver::fieldTable(), parent)
{
    buildStandardPane(new PyramidDiagram);
}

void CalculatePyramid::setPyramidFields(double a, double b, double h, double surface, double volume)
{
    setFields({a, b, h, volume, surface});
}
