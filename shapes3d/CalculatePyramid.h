#pragma once

#include "core/ShapeCalculator.h"
#include "shapes3d/PyramidSolver.h"

class TextField;

// The pyramid calculator: a right pyramid over a rectangle from three of base side a,
// base side b, height and volume. The surface field only shows results.
class CalculatePyramid : public ShapeCalculator {
    Q_OBJECT
public:
    using Solver = PyramidSolver;

    explicit CalculatePyramid(QWidget* parent = nullptr);

    TextField* sideATextField() const { return field(Solver::SideA); }
    TextField* sideBTextField() const { return field(Solver::SideB); }
    TextField* heightHTextField() const { return field(Solver::Height); }
    TextField* volumeTextField() const { return field(Solver::Volume); }
    TextField* SurfaceTextField() const { return field(Solver::Surface); }

public slots:
    void calculatePyramid() { calculate(); }
    void clearPyramidTextFields() { clear(); }
    void setPyramidFields(double a, double b, double h, double surface, double volume);
};
