#include "shapes2d/CalculatePolygon.h"

#include "core/ClearButton.h"
#include "core/Localization.h"
#include "core/TextField.h"
#include "core/TypingFilter.h"
#include "shapes2d/RegularPolygonDiagram.h"
#include "shapes2d/RegularPolygonEntry.h"
#include "shapes2d/RegularPolygonSolver.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using Field = RegularPolygonSolver::Field;

CalculatePolygon::CalculatePolygon(QWidget* parent)
    : ShapeCalculator(RegularPolygonSolver::fieldTable(), parent)
{
    // The angles and the name are output-only: they are emptied but never kept or selected.
    setClearingOrder({Field::Sides, Field::TableSide, Field::TableRadiusA, Field::TableRadiusB,
                      Field::TableArea, Field::TablePerimeter, Field::Side, Field::RadiusA,
                      Field::RadiusB, Field::Area, Field::Perimeter, Field::TableAngle,
                      Field::Angle, Field::Name});
    clearButtonWidget()->setObjectName(QStringLiteral("clearTextFieldsButton"));
    buildPane();
}

TextField* CalculatePolygon::xsidesNTextField() const
{
    return field(Field::Sides);
}

TextField* CalculatePolygon::xsideTextField() const
{
    return field(Field::TableSide);
}

TextField* CalculatePolygon::xradiusATextField() const
{
    return field(Field::TableRadiusA);
}

TextField* CalculatePolygon::xradiusBTextField() const
{
    return field(Field::TableRadiusB);
}

TextField* CalculatePolygon::xangleTextField() const
{
    return field(Field::TableAngle);
}

TextField* CalculatePolygon::xareaTextField() const
{
    return field(Field::TableArea);
}

TextField* CalculatePolygon::xcircumferenceTextField() const
{
    return field(Field::TablePerimeter);
}

TextField* CalculatePolygon::xnameTextField() const
{
    return field(Field::Name);
}

TextField* CalculatePolygon::sideTextField() const
{
    return field(Field::Side);
}

TextField* CalculatePolygon::radiusATextField() const
{
    return field(Field::RadiusA);
}

TextField* CalculatePolygon::radiusBTextField() const
{
    return field(Field::RadiusB);
}

TextField* CalculatePolygon::angleTextField() const
{
    return field(Field::Angle);
}

TextField* CalculatePolygon::areaTextField() const
{
    return field(Field::Area);
}

TextField* CalculatePolygon::circumferenceTextField() const
{
    return field(Field::Perimeter);
}

bool CalculatePolygon::enteredInGraphic() const
{
    for (Field f : RegularPolygonSolver::graphicMeasures) {
        if (field(f)->isGiven())
            return true;
    }
    return false;
}

void CalculatePolygon::setPolygonFields(quint64 sides, double side, double radiusA, double radiusB,
                                        double angle, double area, double perimeter,
                                        double graphicSide, double graphicRadiusA,
                                        double graphicRadiusB, double graphicAngle,
                                        double graphicArea, double graphicPerimeter)
{
    setFields({double(sides), side, radiusA, radiusB, angle, area, perimeter, 0.0, graphicSide,
               graphicRadiusA, graphicRadiusB, graphicAngle, graphicArea, graphicPerimeter});
}

void CalculatePolygon::writeFields(const std::vector<double>& values)
{
    std::vector<QString> texts;
    std::vector<bool> given;
    for (int f = 0; f < fieldCount(); ++f) {
        given.push_back(field(f)->isGiven());
        texts.push_back(given.back() ? field(f)->text() : formatComputedValue(values[size_t(f)]));
    }
    const std::vector<RegularPolygonEntry::Line> lines =
        RegularPolygonEntry::write(texts, given, values);
    for (int f = 0; f < fieldCount(); ++f) {
        if (field(f)->text() != texts[size_t(f)])
            field(f)->setText(texts[size_t(f)]);
    }
    for (const RegularPolygonEntry::Line& line : lines)
        logField(line.field, line.given);
    for (int f = 0; f < fieldCount(); ++f)
        finishWrittenField(field(f));
}

void CalculatePolygon::buildPane()
{
    auto* table = new QFormLayout;
    for (Field f : {Field::Sides, Field::TableSide, Field::TableRadiusA, Field::TableRadiusB,
                    Field::TableAngle, Field::TableArea, Field::TablePerimeter, Field::Name})
        table->addRow(localized(fieldSpec(f).formLabel), field(f));
    auto* tableBox = new QGroupBox(localized("Any number of sides"));
    tableBox->setLayout(table);

    // The graphic fields stand around the pentagon they describe.
    auto* graphic = new QGridLayout;
    const auto place = [&](Field f, int row, int column) {
        auto* cell = new QHBoxLayout;
        auto* label = new QLabel(localized(fieldSpec(f).formLabel));
        label->setBuddy(field(f));
        cell->addWidget(label);
        cell->addWidget(field(f));
        graphic->addLayout(cell, row, column);
    };
    place(Field::RadiusA, 0, 0);
    place(Field::Side, 0, 2);
    graphic->addWidget(new RegularPolygonDiagram, 0, 1, 3, 1);
    place(Field::RadiusB, 1, 0);
    place(Field::Angle, 1, 2);
    place(Field::Area, 2, 0);
    place(Field::Perimeter, 2, 2);
    graphic->setColumnStretch(1, 1);
    auto* graphicBox = new QGroupBox(localized("Pentagon"));
    graphicBox->setLayout(graphic);

    auto* top = new QHBoxLayout;
    top->addWidget(tableBox);
    top->addWidget(graphicBox, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(clearButton());
    buttons->addWidget(calculateButton());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    // Tab reads the table down, then the graphic's fields row by row, then the buttons.
    std::vector<QWidget*> chain;
    for (Field f :
         {Field::Sides, Field::TableSide, Field::TableRadiusA, Field::TableRadiusB,
          Field::TableAngle, Field::TableArea, Field::TablePerimeter, Field::Name, Field::RadiusA,
          Field::Side, Field::RadiusB, Field::Angle, Field::Area, Field::Perimeter})
        chain.push_back(field(f));
    chain.push_back(clearButton());
    chain.push_back(calculateButton());
    setTabChain(std::move(chain));
}
