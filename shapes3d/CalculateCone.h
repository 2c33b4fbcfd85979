#pragma once

#include "core/ShapeCalculator.h"
#include "shapes3d/ConeSolver.h"

class TextField;

// The cone calculator: a right circular cone from two of radius, height, slant height and
// volume. The surface field only shows results.
class CalculateCone : public ShapeCalculator {
    Q_OBJECT
public:
    using Solver = ConeSolver;

    explicit CalculateCone(QWidget* parent = nullptr);

    TextField* radiusTextField() const { return field(Solver::Radius); }
    TextField* HeigthHTextField() const { return field(Solver::Height); }
    TextField* slantHeightTextField() const { return field(Solver::SlantHeight); }
    TextField* volumeTextField() const { return field(Solver::Volume); }
    TextField* SurfaceTextField() const { return field(Solver::Surface); }

public slots:
    void calculateCone() { calculate(); }
    void clearConeFields() { clear(); }
    void setConeFields(double r, double h, double s, double surface, double volume);
};
