#pragma once

#include "core/ShapeCalculator.h"
#include "shapes3d/TriangularPrismSolver.h"

class TextField;

// The triangular-prism calculator: a right prism over a triangle with sides a, b and c.
class CalculateTriangularPrism : public ShapeCalculator {
    Q_OBJECT
public:
    using Solver = TriangularPrismSolver;

    explicit CalculateTriangularPrism(QWidget* parent = nullptr);

    TextField* sideATextField() const { return field(Solver::SideA); }
    TextField* sideBTextField() const { return field(Solver::SideB); }
    TextField* sideCTextField() const { return field(Solver::SideC); }
    TextField* heightTextField() const { return field(Solver::Height); }
    TextField* volumeTextField() const { return field(Solver::Volume); }
    TextField* surfaceTextField() const { return field(Solver::Surface); }

public slots:
    void calculateTriangularPrism() { calculate(); }
    void clearTriangularPrismFields() { clear(); }
    void setTriangularPrismFields(double a, double b, double c, double h, double surface,
                                  double volume);
};
