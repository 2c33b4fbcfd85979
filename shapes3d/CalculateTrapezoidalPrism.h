#pragma once

#include "core/ShapeCalculator.h"
#include "shapes3d/TrapezoidalPrismSolver.h"

class TextField;

// The trapezoidal-prism calculator: a right prism over a trapezium given by a, b, c and
// the angle B. The side d field only shows results.
class CalculateTrapezoidalPrism : public ShapeCalculator {
    Q_OBJECT
public:
    using Solver = TrapezoidalPrismSolver;

    explicit CalculateTrapezoidalPrism(QWidget* parent = nullptr);

    TextField* sideATextField() const { return field(Solver::SideA); }
    TextField* sideBTextField() const { return field(Solver::SideB); }
    TextField* sideCTextField() const { return field(Solver::SideC); }
    TextField* sideDTetxField() const { return field(Solver::SideD); }
    TextField* angleBTextField() const { return field(Solver::AngleB); }
    TextField* heightTextField() const { return field(Solver::Height); }
    TextField* volumeTextField() const { return field(Solver::Volume); }
    TextField* surfaceTextField() const { return field(Solver::Surface); }

public slots:
    void calculateTrapezoidalPrism() { calculate(); }
    void clearTrapezoidalPrismFields() { clear(); }
    void setTrapezoidalPrismFields(double a, double b, double c, double d, double angleB, double h,
                                   double surface, double volume);
};
