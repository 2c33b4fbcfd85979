#include "support/AppFixture.h"

#include "app/MainWindow.h"
#include "core/Colours.h"
#include "core/NotificationHub.h"
#include "core/NumberFormatter.h"
#include "core/ShapeCalculator.h"
#include "core/TapeView.h"
#include "core/TextField.h"
#include "core/UserDefaults.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>

#include <algorithm>
#include <memory>

// The calculator protocol through the real fields of every kind of calculator: what a
// calculation marks, writes and logs, what a refusal leaves alone, what both clears do,
// and the deviations (the polygon's two field sets, output-only fields, the triangle's
// area as an input).
class CalculatorsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void aCalculationMarksTheGivenValuesAndLogsEveryValue_data();
    void aCalculationMarksTheGivenValuesAndLogsEveryValue();
    void aRefusalChangesNothing_data();
    void aRefusalChangesNothing();
    void clearingReturnsToEntry_data();
    void clearingReturnsToEntry();
    void outputOnlyFieldsStayReadOnlyAndGrey_data();
    void outputOnlyFieldsStayReadOnlyAndGrey();
    void returnCalculatesThenClears_data();
    void returnCalculatesThenClears();
    void typingIsFilteredAndALeadingSeparatorGetsItsZero();
    void entriesFollowOneBlankLineAndNoneWhileTheTapeIsClosed();

private:
    // Types each "outlet=text" into the shape's calculator, which is then on show.
    ShapeCalculator* enter(const QString& shape, const QStringList& entries,
                           const QString& separator = QStringLiteral("."));
    // The tape's lines after the date line; a given value's line starts with "*".
    QStringList tapeLines() const;
    QStringList texts(const ShapeCalculator* calculator) const;

    std::unique_ptr<AppFixture> m_app;
};

void CalculatorsTest::init()
{
    m_app = std::make_unique<AppFixture>();
}

void CalculatorsTest::cleanup()
{
    m_app.reset();
    NumberFormatter::setShared(NumberFormatter());
}

ShapeCalculator* CalculatorsTest::enter(const QString& shape, const QStringList& entries,
                                        const QString& separator)
{
    NumberFormatter::setShared(NumberFormatter(2, separator.front()));
    ShapeCalculator* calculator = m_app->show(shape);
    for (const QString& entry : entries) {
        TextField* field = calculator->fieldByOutlet(entry.section('=', 0, 0));
        if (!field)
            qFatal("no field %s", qPrintable(entry));
        AppFixture::type(field, entry.section('=', 1));
    }
    return calculator;
}

QStringList CalculatorsTest::tapeLines() const
{
    QStringList lines;
    QTextDocument* document = m_app->window().tapeTextView()->document();
    const QStringList text = document->toPlainText().split('\n');
    int start = int(text.constFirst().size()) + 1;
    for (const QString& line : text.mid(1)) {
        QTextCursor cursor(document);
        cursor.setPosition(start + 1);
        const bool given =
            cursor.charFormat().foreground().color().rgb() == Colours::tapeGivenValue().rgb();
        lines << (given ? "*" : "") + line;
        start += int(line.size()) + 1;
    }
    return lines;
}

QStringList CalculatorsTest::texts(const ShapeCalculator* calculator) const
{
    QStringList all;
    for (int i = 0; i < calculator->fieldCount(); ++i)
        all << calculator->field(i)->text();
    return all;
}

void CalculatorsTest::aCalculationMarksTheGivenValuesAndLogsEveryValue_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("tape"); // "*": a given value, in blue, its field marked

    QTest::newRow("circle from its area, the user's text kept")
        << "Circle"
        << "." << QStringList{"areaTextField=10.000"}
        << QStringList{"Radius: 1.78", "Diameter: 3.57", "*Area: 10.000", "Circumference: 11.21"};
    QTest::newRow("circle: a zero counts as not entered")
        << "Circle"
        << "." << QStringList{"radiusTextField=0", "circumferenceTextField=6"}
        << QStringList{"Radius: 0.95", "Diameter: 1.91", "Area: 2.86", "*Circumference: 6"};
    QTest::newRow("circle read and written with a comma")
        << "Circle"
        << "," << QStringList{"radiusTextField=3,5"}
        << QStringList{"*Radius: 3,5", "Diameter: 7", "Area: 38,48", "Circumference: 21,99"};
    QTest::newRow("polygon from its table, a graphic value losing")
        << "Regular Polygon"
        << "." << QStringList{"xsidesNTextField=6", "xsideTextField=2.0", "radiusATextField=9"}
        << QStringList{"*Number of Sides: 6", "*Side: 2.0",  "Radius a: 2",   "Radius b: 1.73",
                       "Angle: 120",          "Area: 10.39", "Perimeter: 12", "Name: Hexagon"};
    QTest::newRow("polygon from its graphic is a pentagon")
        << "Regular Polygon"
        << "." << QStringList{"xsidesNTextField=7", "sideTextField=1"}
        << QStringList{"*Number of Sides: 5", "*Side: 1",   "Radius a: 0.85", "Radius b: 0.69",
                       "Angle: 108",          "Area: 1.72", "Perimeter: 5",   "Name: Pentagon"};
    QTest::newRow("triangle from its area, a side and an angle")
        << "Triangle"
        << "." << QStringList{"areaTextField=6", "sideATextField=3", "angleCTextField=90"}
        << QStringList{"*Side a: 3",   "Side b: 4", "Side c: 5", "Angle a: 36.87", "Angle b: 53.13",
                       "*Angle c: 90", "Height: 4", "*Area: 6",  "Perimeter: 12"};
    QTest::newRow("rectangular prism from its edges")
        << "Rectangular Prism"
        << "." << QStringList{"sideATextField=2", "sideBTextField=3", "heightTextField=4"}
        << QStringList{"*Side a: 2", "*Side b: 3", "*Height: 4", "Volume: 24", "Surface: 52"};
    QTest::newRow("cylinder from volume and radius")
        << "Cylinder"
        << "." << QStringList{"radiusTextField=1", "volumeTextField=6.2831853"}
        << QStringList{"*Radius: 1", "Height: 2", "*Volume: 6.2831853", "Surface: 18.85"};
    QTest::newRow("cone from radius and height")
        << "Cone"
        << "." << QStringList{"radiusTextField=3", "HeigthHTextField=4"}
        << QStringList{"*Radius: 3", "*Height: 4", "Slant Height: 5", "Volume: 37.7",
                       "Surface: 75.4"};
    QTest::newRow("pyramid from its base and height")
        << "Pyramid"
        << "." << QStringList{"sideATextField=3", "sideBTextField=4", "heightHTextField=6"}
        << QStringList{"*Side a: 3", "*Side b: 4", "*Height: 6", "Volume: 24", "Surface: 55.71"};
    QTest::newRow("sphere from its diameter")
        << "Sphere"
        << "." << QStringList{"diameterTextField=3"}
        << QStringList{"Radius: 1.5", "*Diameter: 3", "Volume: 14.14", "Surface: 28.27"};
    QTest::newRow("triangular prism missing side a")
        << "Triangular Prism"
        << "."
        << QStringList{"sideBTextField=4", "sideCTextField=5", "heightTextField=10",
                       "volumeTextField=60"}
        << QStringList{"Side a: 3",   "*Side b: 4",  "*Side c: 5",
                       "*Height: 10", "*Volume: 60", "Surface: 132"};
    QTest::newRow("trapezoidal prism from its surface")
        << "Trapezoidal Prism"
        << "."
        << QStringList{"sideATextField=6", "sideBTextField=2", "sideCTextField=4",
                       "angleBTextField=90", "surfaceTextField=168.28427"}
        << QStringList{"*Side a: 6",   "*Side b: 2", "*Side c: 4",  "Side d: 2.83",
                       "*Angle b: 90", "Height: 10", "Volume: 100", "*Surface: 168.28427"};
}

void CalculatorsTest::aCalculationMarksTheGivenValuesAndLogsEveryValue()
{
    QFETCH(QString, shape);
    QFETCH(QString, separator);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, tape);
    ShapeCalculator* calculator = enter(shape, entries, separator);
    const bool plane = calculator->dimension() == ShapeCalculator::Dimension::Plane;
    QSignalSpy posted(&NotificationHub::instance(),
                      plane ? &NotificationHub::calculateAndDraw2DFigures
                            : &NotificationHub::calculateAndDraw3DFigures);
    QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);

    QVERIFY(m_app->alerts().alerts().isEmpty());
    QCOMPARE(tapeLines(), tape);
    QCOMPARE(posted.count(), 1);
    QVERIFY(!calculator->calculateButton()->isEnabled());
    QVERIFY(calculator->returnClears());
    for (int i = 0; i < calculator->fieldCount(); ++i) {
        const TextField* field = calculator->field(i);
        QVERIFY(!field->isEditable());
        // A given field keeps the user's own text; the tape shows it in blue.
        if (field->isGiven()) {
            const bool logged = std::any_of(tape.begin(), tape.end(), [field](const QString& line) {
                return line.startsWith('*') && line.endsWith(": " + field->text());
            });
            QVERIFY2(logged, qPrintable(field->objectName()));
        }
    }
}

void CalculatorsTest::aRefusalChangesNothing_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("message");
    const QString again = "\rPlease try again with different values.";
    const QString bases = "Please make sure that the Surface is greater than the sum of the two "
                          "base areas (> %1 square units)." +
                          again;

    QTest::newRow("circle with nothing but letters entered")
        << "Circle"
        << "." << QStringList{"areaTextField=abc"}
        << "Not enough parameters to complete the calculations.\rPlease enter more values.";
    QTest::newRow("polygon with two sides")
        << "Regular Polygon"
        << "." << QStringList{"xsidesNTextField=2", "xsideTextField=1", "sideTextField=1"}
        << "A polygon has at least 3 sides." + again;
    QTest::newRow("triangle angle not opposite the larger side")
        << "Triangle"
        << "." << QStringList{"sideATextField=3", "sideBTextField=5", "angleATextField=40"}
        << "Please make sure that the Angle given is the one opposite the larger side." + again;
    QTest::newRow("triangle bound in the user's separator")
        << "Triangle"
        << "," << QStringList{"sideATextField=5,5", "sideBTextField=2", "sideCTextField=2"}
        << "Please make sure that the sum of Side b and Side c is greater than Side a (> 5,5 "
           "units)." +
               again;
    QTest::newRow("3-4-5 prism with a surface of exactly both bases")
        << "Triangular Prism"
        << "."
        << QStringList{"sideATextField=3", "sideBTextField=4", "sideCTextField=5",
                       "surfaceTextField=12"}
        << bases.arg("12");
    QTest::newRow("triangular prism with a volume no triangle holds")
        << "Triangular Prism"
        << "."
        << QStringList{"sideBTextField=4", "sideCTextField=5", "heightTextField=10",
                       "volumeTextField=101"}
        << "Please make sure that the Volume is not greater than 100 cubic units." + again;
    QTest::newRow("cylinder surface below its bases")
        << "Cylinder"
        << "." << QStringList{"radiusTextField=1", "surfaceTextField=6"} << bases.arg("6.28319");
    QTest::newRow("trapezoidal prism surface below its bases")
        << "Trapezoidal Prism"
        << "."
        << QStringList{"sideATextField=5", "sideBTextField=2", "sideCTextField=3",
                       "angleBTextField=60", "surfaceTextField=13"}
        << bases.arg("13.8564");
    QTest::newRow("cone slant height equal to the radius")
        << "Cone"
        << "." << QStringList{"radiusTextField=3", "slantHeightTextField=3"}
        << "Please make sure that the Slant Height is greater than the Radius (> 3 units)." + again;
}

void CalculatorsTest::aRefusalChangesNothing()
{
    QFETCH(QString, shape);
    QFETCH(QString, separator);
    QFETCH(QStringList, entries);
    QFETCH(QString, message);
    ShapeCalculator* calculator = enter(shape, entries, separator);
    const QStringList before = texts(calculator);
    const int typingBeeps = m_app->alerts().beeps();
    QSignalSpy posted2D(&NotificationHub::instance(), &NotificationHub::calculateAndDraw2DFigures);
    QSignalSpy posted3D(&NotificationHub::instance(), &NotificationHub::calculateAndDraw3DFigures);
    QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);

    QCOMPARE(m_app->alerts().alerts().size(), 1);
    const AlertPresenter::Alert& alert = m_app->alerts().alerts().constFirst();
    QCOMPARE(alert.title, QString("Can't compute!"));
    QCOMPARE(alert.message, message);
    QCOMPARE(alert.defaultButton, QString("OK"));
    QVERIFY(alert.alternateButton.isEmpty() && alert.otherButton.isEmpty());
    QCOMPARE(m_app->alerts().beeps(), typingBeeps + 1);
    QCOMPARE(texts(calculator), before);
    for (int i = 0; i < calculator->fieldCount(); ++i) {
        QVERIFY(!calculator->field(i)->isGiven());
        QCOMPARE(calculator->field(i)->isEditable(), !calculator->field(i)->isOutputOnly());
    }
    QVERIFY(calculator->calculateButton()->isEnabled());
    QVERIFY(!calculator->returnClears());
    QVERIFY(m_app->tapeText().isEmpty());
    QCOMPARE(posted2D.count() + posted3D.count(), 0);
}

void CalculatorsTest::clearingReturnsToEntry_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QStringList>("kept"); // "outlet=text" left after the clear; all else empty
    QTest::addColumn<QString>("focused");  // the field that has the focus afterwards

    QTest::newRow("circle: Shift keeps the given value and selects it")
        << "Circle" << QStringList{"areaTextField=10"} << true << QStringList{"areaTextField=10"}
        << "areaTextField";
    QTest::newRow("circle: plain clear empties all and selects the radius")
        << "Circle" << QStringList{"diameterTextField=5"} << false << QStringList{}
        << "radiusTextField";
    QTest::newRow("polygon: Shift keeps the given table values")
        << "Regular Polygon" << QStringList{"xsidesNTextField=6", "xareaTextField=10"} << true
        << QStringList{"xsidesNTextField=6", "xareaTextField=10"} << "xsidesNTextField";
    QTest::newRow("polygon: plain clear")
        << "Regular Polygon" << QStringList{"xsidesNTextField=6", "xareaTextField=10"} << false
        << QStringList{} << "xsidesNTextField";
    QTest::newRow("triangle: Shift keeps the area as an input")
        << "Triangle" << QStringList{"areaTextField=6", "sideATextField=3", "angleCTextField=90"}
        << true << QStringList{"areaTextField=6", "sideATextField=3", "angleCTextField=90"}
        << "sideATextField";
    QTest::newRow("ellipse: Shift empties the circumference")
        << "Ellipse" << QStringList{"RadiusATextField=3", "RadiusBTextField=2"} << true
        << QStringList{"RadiusATextField=3", "RadiusBTextField=2"} << "RadiusATextField";
    QTest::newRow("cone: Shift empties the surface")
        << "Cone" << QStringList{"HeigthHTextField=4", "radiusTextField=3"} << true
        << QStringList{"HeigthHTextField=4", "radiusTextField=3"} << "radiusTextField";
    QTest::newRow("trapezoidal prism: plain clear empties side d")
        << "Trapezoidal Prism"
        << QStringList{"heightTextField=10", "sideATextField=6", "sideBTextField=2",
                       "sideCTextField=4", "angleBTextField=90"}
        << false << QStringList{} << "sideATextField";
}

void CalculatorsTest::clearingReturnsToEntry()
{
    QFETCH(QString, shape);
    QFETCH(QStringList, entries);
    QFETCH(bool, shift);
    QFETCH(QStringList, kept);
    QFETCH(QString, focused);
    ShapeCalculator* calculator = enter(shape, entries);
    QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);
    QVERIFY(m_app->alerts().alerts().isEmpty());
    QSignalSpy posted2D(&NotificationHub::instance(), &NotificationHub::calculateAndDraw2DFigures);
    QSignalSpy posted3D(&NotificationHub::instance(), &NotificationHub::calculateAndDraw3DFigures);
    QTest::mouseClick(calculator->clearButton(), Qt::LeftButton,
                      shift ? Qt::ShiftModifier : Qt::NoModifier);
    QApplication::processEvents();

    for (int i = 0; i < calculator->fieldCount(); ++i) {
        const TextField* field = calculator->field(i);
        QString expected;
        for (const QString& entry : kept) {
            if (entry.section('=', 0, 0) == field->objectName())
                expected = entry.section('=', 1);
        }
        QCOMPARE(field->text(), expected);
        QVERIFY(!field->isGiven());
        QCOMPARE(field->isEditable(), !field->isOutputOnly());
    }
    QVERIFY(calculator->fieldByOutlet(focused)->hasFocus());
    QVERIFY(calculator->calculateButton()->isEnabled());
    QVERIFY(!calculator->returnClears());
    QCOMPARE(posted2D.count() + posted3D.count(), 1);

    // A second Shift clear finds no mark left and empties every field.
    QTest::mouseClick(calculator->clearButton(), Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(texts(calculator).join(""), QString());
}

void CalculatorsTest::outputOnlyFieldsStayReadOnlyAndGrey_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QStringList>("outputs");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("polygon angles and name")
        << "Regular Polygon" << QStringList{"xangleTextField", "angleTextField", "xnameTextField"}
        << QStringList{"sideTextField=1"};
    QTest::newRow("triangle height and perimeter")
        << "Triangle" << QStringList{"yHeightTextField", "circumferenceTextField"}
        << QStringList{"sideATextField=3", "sideBTextField=4", "sideCTextField=5"};
    QTest::newRow("ellipse circumference")
        << "Ellipse" << QStringList{"circumferenceTextField"}
        << QStringList{"RadiusATextField=3", "RadiusBTextField=2"};
    QTest::newRow("cone surface") << "Cone" << QStringList{"SurfaceTextField"}
                                  << QStringList{"radiusTextField=3", "HeigthHTextField=4"};
    QTest::newRow("pyramid surface")
        << "Pyramid" << QStringList{"SurfaceTextField"}
        << QStringList{"sideATextField=3", "sideBTextField=4", "heightHTextField=6"};
    QTest::newRow("trapezoidal prism side d")
        << "Trapezoidal Prism" << QStringList{"sideDTetxField"}
        << QStringList{"heightTextField=10", "sideATextField=6", "sideBTextField=2",
                       "sideCTextField=4", "angleBTextField=90"};
}

void CalculatorsTest::outputOnlyFieldsStayReadOnlyAndGrey()
{
    QFETCH(QString, shape);
    QFETCH(QStringList, outputs);
    QFETCH(QStringList, entries);
    ShapeCalculator* calculator = enter(shape, entries);
    const auto verify = [&](bool filled) {
        for (const QString& outlet : outputs) {
            const TextField* field = calculator->fieldByOutlet(outlet);
            QVERIFY(!field->isEditable() && !field->isGiven() && !field->hasFocus());
            QCOMPARE(field->palette().color(QPalette::Base), Colours::outputOnlyField());
            QCOMPARE(field->text().isEmpty(), !filled);
        }
    };
    verify(false);
    for (const bool shift : {true, false}) {
        QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);
        verify(true);
        QTest::mouseClick(calculator->clearButton(), Qt::LeftButton,
                          shift ? Qt::ShiftModifier : Qt::NoModifier);
        QApplication::processEvents();
        verify(false);
    }
    QVERIFY(m_app->alerts().alerts().isEmpty());
}

void CalculatorsTest::returnCalculatesThenClears_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("result"); // "outlet=text" after Return
    QTest::newRow("circle") << "Circle" << QStringList{"radiusTextField=1"}
                            << "circumferenceTextField=6.28";
    QTest::newRow("parallelogram, with its own clear button")
        << "Parallelogram"
        << QStringList{"sideATextField=10", "sideBTextField=4", "angleATextField=60"}
        << "areaTextField=34.64";
}

void CalculatorsTest::returnCalculatesThenClears()
{
    QFETCH(QString, shape);
    QFETCH(QStringList, entries);
    QFETCH(QString, result);
    ShapeCalculator* calculator = enter(shape, entries);
    TextField* resultField = calculator->fieldByOutlet(result.section('=', 0, 0));
    QTest::keyClick(calculator->fieldByOutlet(entries.last().section('=', 0, 0)), Qt::Key_Return);
    QCOMPARE(resultField->text(), result.section('=', 1));
    QApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(resultField->text().isEmpty());
    QVERIFY(calculator->calculateButton()->isEnabled());
    if (shape == "Parallelogram")
        QCOMPARE(calculator->clearButton()->objectName(), QString("clearTextFieldsButton"));
}

void CalculatorsTest::typingIsFilteredAndALeadingSeparatorGetsItsZero()
{
    ShapeCalculator* circle = enter("Circle", {"radiusTextField=1.2.x", "diameterTextField=.25"});
    QCOMPARE(circle->fieldByOutlet("radiusTextField")->text(), QString("1.2"));
    QCOMPARE(m_app->alerts().beeps(), 2);
    circle->fieldByOutlet("areaTextField")->setFocus();
    QCOMPARE(circle->fieldByOutlet("diameterTextField")->text(), QString("0.25"));
    // A whole-number field refuses a leading zero as it is typed.
    ShapeCalculator* polygon = enter("Regular Polygon", {"xsidesNTextField=0"});
    QVERIFY(polygon->fieldByOutlet("xsidesNTextField")->text().isEmpty());
}

void CalculatorsTest::entriesFollowOneBlankLineAndNoneWhileTheTapeIsClosed()
{
    for (const char* radius : {"1", "2"}) {
        m_app->calculate("Circle", {QStringLiteral("radiusTextField=") + radius});
        QTest::mouseClick(m_app->window().calculator("Circle")->clearButton(), Qt::LeftButton);
    }
    const QStringList lines = m_app->tapeText().split('\n');
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines.at(4), QString("Circumference: 6.28"));
    QVERIFY(lines.at(5).isEmpty());
    QCOMPARE(lines.at(7), QString("Radius: 2"));

    UserDefaults().setInteger(DefaultsKeys::tapeDrawerState, 2);
    ShapeCalculator* circle = m_app->calculate("Circle", {"radiusTextField=3"});
    QCOMPARE(circle->fieldByOutlet("diameterTextField")->text(), QString("6"));
    QCOMPARE(m_app->tapeText().split('\n').size(), 11);
}

QTEST_MAIN(CalculatorsTest)
#include "tst_Calculators.moc"
