#include "shapes3d/CalculateCone.h"

#include "shapes3d/ConeDiagram.h"

#include <QtGlobal>

CalculateCone::CalculateCone(QWidget* parent)
    : ShapeCalculator(QT_TRANSLATE_NOOP("Polymetra", "Cone"), Dimension::Solid,
                      {
                          {"radiusTextField", QT_TRANSLATE_NOOP("Polymetra", "Radius:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nRadius: ")},
                          {"HeigthHTextField", QT_TRANSLATE_NOOP("Polymetra", "Height:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nHeight: ")},
                          {"slantHeightTextField", QT_TRANSLATE_NOOP("Polymetra", "Slant Height:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSlant Height: ")},
                          {"volumeTextField", QT_TRANSLATE_NOOP("Polymetra", "Volume:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nVolume: ")},
                          {"SurfaceTextField", QT_TRANSLATE_NOOP("Polymetra", "Surface:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSurface: "), FieldRole::OutputOnly},
                      },
                      parent)
{
    buildStandardPane(new ConeDiagram);
}

SolveOutcome CalculateCone::solve(const std::vector<double>& values) const
{
    // A surface typed into the output-only field is never read.
    return Solver::solve(values[Solver::SlantHeight], values[Solver::Height],
                         values[Solver::Radius], values[Solver::Volume]);
}

void CalculateCone::setConeFields(double r, double h, double s, double surface, double volume)
{
    setFields({r, h, s, volume, surface});
}
