#pragma once

#include "core/ShapeCalculator.h"
#include "shapes3d/RectangularPrismSolver.h"

class TextField;

// The rectangular-prism calculator: a box from three of its edges, volume and surface.
class CalculateRectangularPrism : public ShapeCalculator {
    Q_OBJECT
public:
    using Solver = RectangularPrismSolver;

    explicit CalculateRectangularPrism(QWidget* parent = nullptr);

    TextField* sideATextField() const { return field(Solver::SideA); }
    TextField* sideBTextField() const { return field(Solver::SideB); }
    TextField* heightTextField() const { return field(Solver::Height); }
    TextField* volumeTextField() const { return field(Solver::Volume); }
    TextField* surfaceTextField() const { return field(Solver::Surface); }

public slots:
    void calculateRectangularPrism() { calculate(); }
    void clearRectangularPrismTextFields() { clear(); }
    void setRectangularPrismFields(double a, double b, double h, double surface, double volume);
};
