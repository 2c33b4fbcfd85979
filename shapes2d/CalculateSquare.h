#pragma once

#include "core/ShapeCalculator.h"

class TextField;

class CalculateSquare : public ShapeCalculator {
    Q_OBJECT
public:
    explicit CalculateSquare(QWidget* parent = nullptr);

    TextField* sideATextField() const;
    TextField* areaTextField() const;
    TextField* circumferenceTextField() const;

public slots:
    void calculateSquare() { calculate(); }
    void clearSquareTextFields() { clear(); }
    void setSquareFields(double area, double side, double perimeter);
};
