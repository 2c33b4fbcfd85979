#pragma once

#include "core/ShapeCalculator.h"

class TextField;

class CalculateTriangle : public ShapeCalculator {
    Q_OBJECT
public:
    explicit CalculateTriangle(QWidget* parent = nullptr);

    TextField* sideATextField() const;
    TextField* sideBTextField() const;
    TextField* sideCTextField() const;
    TextField* angleATextField() const;
    TextField* angleBTextField() const;
    TextField* angleCTextField() const;
    TextField* yHeightTextField() const;
    TextField* areaTextField() const;
    TextField* circumferenceTextField() const;

public slots:
    void calculateTriangle() { calculate(); }
    void clearTriangleTextFields() { clear(); }
    void setTriangleFields(double area, double sideA, double sideB, double sideC, double angleA,
                           double angleB, double angleC, double height, double perimeter);
};
