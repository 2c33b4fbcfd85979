#pragma once

#include "core/ShapeCalculator.h"
#include "shapes3d/CylinderSolver.h"

class TextField;

// The cylinder calculator: a right circular cylinder from two of its four quantities.
class CalculateCylinder : public ShapeCalculator {
    Q_OBJECT
public:
    using Solver = CylinderSolver;

    explicit CalculateCylinder(QWidget* parent = nullptr);

    TextField* radiusTextField() const { return field(Solver::Radius); }
    TextField* heightTextField() const { return field(Solver::Height); }
    TextField* volumeTextField() const { return field(Solver::Volume); }
    TextField* surfaceTextField() const { return field(Solver::Surface); }

public slots:
    void calculateCylinder() { calculate(); }
    void clearCylinderTextFields() { clear(); }
    void setCylinderFields(double r, double h, double surface, double volume);
};
