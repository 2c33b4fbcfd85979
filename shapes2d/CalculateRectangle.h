#pragma once

#include "core/ShapeCalculator.h"

class TextField;

class CalculateRectangle : public ShapeCalculator {
    Q_OBJECT
public:
    explicit CalculateRectangle(QWidget* parent = nullptr);

    TextField* sideATextField() const;
    TextField* sideBTextField() const;
    TextField* areaTextField() const;
    TextField* circumferenceTextField() const;

public slots:
    void calculateRectangle() { calculate(); }
    void clearRectangleFields() { clear(); }
    void setRectangleFields(double area, double sideA, double sideB, double perimeter);
};
