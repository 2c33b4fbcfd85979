#pragma once

#include "core/ShapeCalculator.h"

class TextField;

class CalculateParallelogram : public ShapeCalculator {
    Q_OBJECT
public:
    explicit CalculateParallelogram(QWidget* parent = nullptr);

    TextField* sideATextField() const;
    TextField* sideBTextField() const;
    TextField* angleATextField() const;
    TextField* angleBTextField() const;
    TextField* yHeightTextField() const;
    TextField* areaTextField() const;
    TextField* circumferenceTextField() const;

public slots:
    void calculateParallelogram() { calculate(); }
    void clearParallelogramFields() { clear(); }
    void setParallelogramFields(double area, double sideA, double sideB, double angleA,
                                double angleB, double height, double perimeter);
};
