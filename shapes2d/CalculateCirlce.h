#pragma once

#include "core/ShapeCalculator.h"

class TextField;

// The circle calculator (the class name keeps its historical spelling).
class CalculateCirlce : public ShapeCalculator {
    Q_OBJECT
public:
    explicit CalculateCirlce(QWidget* parent = nullptr);

    TextField* radiusTextField() const;
    TextField* diameterTextField() const;
    TextField* areaTextField() const;
    TextField* circumferenceTextField() const;

public slots:
    void calculateCircle() { calculate(); }
    void clearCircleFields() { clear(); }
    void setCircleFields(double area, double radius, double diameter, double circumference);
};
