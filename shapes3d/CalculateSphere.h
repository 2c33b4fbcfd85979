#pragma once

#include "core/ShapeCalculator.h"
#include "shapes3d/SphereSolver.h"

class TextField;

// The sphere calculator: a sphere from any one of radius, diameter, volume or surface.
class CalculateSphere : public ShapeCalculator {
    Q_OBJECT
public:
    using Solver = SphereSolver;

    explicit CalculateSphere(QWidget* parent = nullptr);

    TextField* radiusTextField() const { return field(Solver::Radius); }
    TextField* diameterTextField() const { return field(Solver::Diameter); }
    TextField* volumeTextField() const { return field(Solver::Volume); }
    TextField* surfaceTextField() const { return field(Solver::Surface); }

public slots:
    void calculateSphere() { calculate(); }
    void clearSphereTextFields() { clear(); }
    void setSphereFields(double r, double diameter, double surface, double volume);
};
