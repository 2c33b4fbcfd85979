#include "shapes3d/CalculateCone.h"

#include "shapes3d/ConeSolver.h"

#include "shapes3d/ConeDiagram.h"

#include <QtGlobal>

CalculateCone::CalculateCone(QWidget* parent) : ShapeCalculator(ConeSolver::fieldTable(), parent)
{
    buildStandardPane(new ConeDiagram);
}

void CalculateCone::setConeFields(double r, double h, double s, double surface, double volume)
{
    setFields({r, h, s, volume, surface});
}
