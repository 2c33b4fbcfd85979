#include "support/AppFixture.h"

#include "app/MainWindow.h"
#include "core/Colours.h"
#include "core/NotificationHub.h"
#include "core/ShapeCalculator.h"
#include "core/TextField.h"
#include "core/UserDefaults.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

// What a calculation marks, writes and logs for every kind of calculator, and what a
// refusal leaves alone, through the real fields in the real window.
class CalculationsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_app = std::make_unique<AppFixture>(); }
    void cleanup() { m_app.reset(); }

    void aCalculationMarksTheGivenValuesAndLogsEveryValue_data();
    void aCalculationMarksTheGivenValuesAndLogsEveryValue();
    void aRefusalChangesNothing_data();
    void aRefusalChangesNothing();
    void entriesFollowOneBlankLineAndNoneWhileTheTapeIsClosed();

private:
    std::unique_ptr<AppFixture> m_app;
};

void CalculationsTest::aCalculationMarksTheGivenValuesAndLogsEveryValue_data()
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

void CalculationsTest::aCalculationMarksTheGivenValuesAndLogsEveryValue()
{
    QFETCH(QString, shape);
    QFETCH(QString, separator);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, tape);
    ShapeCalculator* calculator = m_app->enter(shape, entries, separator);
    const bool plane = calculator->dimension() == ShapeCalculator::Dimension::Plane;
    QSignalSpy posted(&NotificationHub::instance(),
                      plane ? &NotificationHub::calculateAndDraw2DFigures
                            : &NotificationHub::calculateAndDraw3DFigures);
    QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);

    QVERIFY(m_app->alerts().alerts().isEmpty());
    QCOMPARE(m_app->tapeLines(), tape);
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

void CalculationsTest::aRefusalChangesNothing_data()
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

void CalculationsTest::aRefusalChangesNothing()
{
    QFETCH(QString, shape);
    QFETCH(QString, separator);
    QFETCH(QStringList, entries);
    QFETCH(QString, message);
    ShapeCalculator* calculator = m_app->enter(shape, entries, separator);
    const QStringList before = AppFixture::fieldTexts(calculator);
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
    QCOMPARE(AppFixture::fieldTexts(calculator), before);
    for (int i = 0; i < calculator->fieldCount(); ++i) {
        QVERIFY(!calculator->field(i)->isGiven());
        QCOMPARE(calculator->field(i)->isEditable(), !calculator->field(i)->isOutputOnly());
    }
    QVERIFY(calculator->calculateButton()->isEnabled());
    QVERIFY(!calculator->returnClears());
    QVERIFY(m_app->tapeText().isEmpty());
    QCOMPARE(posted2D.count() + posted3D.count(), 0);
}

void CalculationsTest::entriesFollowOneBlankLineAndNoneWhileTheTapeIsClosed()
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

QTEST_MAIN(CalculationsTest)
#include "tst_Calculations.moc"
