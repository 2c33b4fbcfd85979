#pragma once

#include "core/ShapeCalculator.h"

class TextField;

// The trapezium calculator (the class keeps the name its actions and outlets were given).
class CalculateTrapezoid : public ShapeCalculator {
    Q_OBJECT
public:
    explicit CalculateTrapezoid(QWidget* parent = nullptr);

    TextField* sideATextField() const;
    TextField* sideBTextField() const;
    TextField* sideCTextField() const;
    TextField* sideDTextField() const;
    TextField* angleATextField() const;
    TextField* angleBTextField() const;
    TextField* angleCTextField() const;
    TextField* angleDTextField() const;
    TextField* heightHTextField() const;
    TextField* areaTextField() const;
    TextField* circumferenceTextField() const;

public slots:
    void calculateTrapezoid() { calculate(); }
    void clearTrapezoidTextFields() { clear(); }
    void setTrapezoidFields(double sideA, double sideB, double sideC, double sideD, double angleA,
                            double angleB, double angleC, double angleD, double height, double area,
                            double perimeter);
};
