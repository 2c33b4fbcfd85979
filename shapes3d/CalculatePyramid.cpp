#include "shapes3d/CalculatePyramid.h"

#include "shapes3d/PyramidDiagram.h"

#include <QtGlobal>

CalculatePyramid::CalculatePyramid(QWidget* parent)
    : ShapeCalculator(QT_TRANSLATE_NOOP("Polymetra", "Pyramid"), Dimension::Solid,
                      {
                          {"sideATextField", QT_TRANSLATE_NOOP("Polymetra", "Side a:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide a: ")},
                          {"sideBTextField", QT_TRANSLATE_NOOP("Polymetra", "Side b:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSide b: ")},
                          {"heightHTextField", QT_TRANSLATE_NOOP("Polymetra", "Height:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nHeight: ")},
                          {"volumeTextField", QT_TRANSLATE_NOOP("Polymetra", "Volume:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nVolume: ")},
                          {"SurfaceTextField", QT_TRANSLATE_NOOP("Polymetra", "Surface:"),
                           QT_TRANSLATE_NOOP("Polymetra", "\nSurface: "), FieldRole::OutputOnly},
                      },
                      parent)
{
    buildStandardPane(new PyramidDiagram);
}

SolveOutcome CalculatePyramid::solve(const std::vector<double>& values) const
{
    // A surface typed into the output-only field is never read.
    return Solver::solve(values[Solver::SideA], values[Solver::SideB], values[Solver::Height],
                         values[Solver::Volume]);
}

void CalculatePyramid::setPyramidFields(double a, double b, double h, double surface, double volume)
{
    setFields({a, b, h, volume, surface});
}
