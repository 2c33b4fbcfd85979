#pragma once

#include "core/ShapeCalculator.h"

#include <QtGlobal>

class TextField;

// The regular-polygon calculator. Two field sets show one polygon: the table (any number
// of sides) and the graphic beside the drawing (always a pentagon). A calculation fills
// both but logs only the set the user entered in, and names the polygon.
class CalculatePolygon : public ShapeCalculator {
    Q_OBJECT
public:
    explicit CalculatePolygon(QWidget* parent = nullptr);

    TextField* xsidesNTextField() const;
    TextField* xsideTextField() const;
    TextField* xradiusATextField() const;
    TextField* xradiusBTextField() const;
    TextField* xangleTextField() const;
    TextField* xareaTextField() const;
    TextField* xcircumferenceTextField() const;
    TextField* xnameTextField() const;
    TextField* sideTextField() const;
    TextField* radiusATextField() const;
    TextField* radiusBTextField() const;
    TextField* angleTextField() const;
    TextField* areaTextField() const;
    TextField* circumferenceTextField() const;

    // Whether the calculation being written was solved from the graphic fields: exactly
    // then a graphic field carries the given-value mark.
    bool enteredInGraphic() const;

public slots:
    void calculatePolygon() { calculate(); }
    void clearPolygonFields() { clear(); }
    void setPolygonFields(quint64 sides, double side, double radiusA, double radiusB, double angle,
                          double area, double perimeter, double graphicSide, double graphicRadiusA,
                          double graphicRadiusB, double graphicAngle, double graphicArea,
                          double graphicPerimeter);

protected:
    void writeFields(const std::vector<double>& values) override;

private:
    void buildPane();
};
