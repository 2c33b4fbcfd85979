#pragma once

#include "core/ShapeCalculator.h"

class TextField;

class CalculateEllipse : public ShapeCalculator {
    Q_OBJECT
public:
    explicit CalculateEllipse(QWidget* parent = nullptr);

    TextField* RadiusATextField() const;
    TextField* RadiusBTextField() const;
    TextField* areaTextField() const;
    TextField* circumferenceTextField() const;

public slots:
    void calculateEllipse() { calculate(); }
    void clearEllipseFields() { clear(); }
    void setEllipseFields(double area, double radiusA, double radiusB, double circumference);
};
