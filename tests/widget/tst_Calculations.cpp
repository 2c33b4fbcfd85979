#include "widget/ShellTest.h"

#include "app/MainWindow.h"
#include "core/Colours.h"
#include "core/NotificationHub.h"
#include "core/ShapeCalculator.h"
#include "core/TextField.h"
#include "core/WorkingPanel.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

#include <algorithm>

// What a calculation marks, writes, logs and shows as its working for every kind of
// calculator, what a refusal leaves alone, and both clears, output-only fields, Return and
// typing, through the real fields in the real window: the polygon's two field sets, the
// triangle's area as an input, the output-only fields of the ellipse, cone, pyramid and
// trapezoidal prism.
class CalculationsTest : public ShellTest {
    Q_OBJECT
private slots:
    void aCalculationMarksTheGivenValuesAndLogsEveryValue_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("tape"); // "*": a given value, in blue, its field marked

        // The solvers' values for every case are the solver tests' and the recorded batch's;
        // these rows are about what the window does with them.
        const auto row = [](const char* name, const char* shape, const QStringList& entries,
                            const QStringList& tape) {
            QTest::newRow(name) << QString(shape) << entries << tape;
        };
        row("circle: a zero counts as not entered", "Circle",
            {"radiusTextField=0", "circumferenceTextField=6"},
            {"Radius: 0.95", "Diameter: 1.91", "Area: 2.86", "*Circumference: 6"});
        row("triangular prism missing side a", "Triangular Prism",
            {"sideBTextField=4", "sideCTextField=5", "heightTextField=10", "volumeTextField=60"},
            {"Side a: 3", "*Side b: 4", "*Side c: 5", "*Height: 10", "*Volume: 60",
             "Surface: 132"});
    }
    void aCalculationMarksTheGivenValuesAndLogsEveryValue()
    {
        QFETCH(QString, shape);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, tape);
        ShapeCalculator* calculator = app().enter(shape, entries);
        const bool plane = calculator->dimension() == ShapeCalculator::Dimension::Plane;
        QSignalSpy posted(&NotificationHub::instance(),
                          plane ? &NotificationHub::calculateAndDraw2DFigures
                                : &NotificationHub::calculateAndDraw3DFigures);
        QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);

        QVERIFY(app().alerts().alerts().isEmpty());
        QCOMPARE(app().tapeLines(), tape);
        QCOMPARE(posted.count(), 1);
        QVERIFY(!calculator->calculateButton()->isEnabled());
        QVERIFY(calculator->returnClears());
        for (int i = 0; i < calculator->fieldCount(); ++i) {
            const TextField* field = calculator->field(i);
            QVERIFY(!field->isEditable());
            // A given field keeps the user's own text; the tape shows it in blue.
            if (field->isGiven()) {
                const bool logged =
                    std::any_of(tape.begin(), tape.end(), [field](const QString& line) {
                        return line.startsWith('*') && line.endsWith(": " + field->text());
                    });
                QVERIFY2(logged, qPrintable(field->objectName()));
            }
        }
    }
    void aRefusalChangesNothing_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const char* shape, const char* separator,
                            const QStringList& entries, const QString& message) {
            QTest::newRow(name) << QString(shape) << QString(separator) << entries << message;
        };
        // A refusal in every shape, with its message, beep and untouched fields, is the
        // recorded batch's; these add text that reads as nothing and a bound in a comma.
        row("circle with nothing but letters entered", "Circle", ".", {"areaTextField=abc"},
            "Not enough parameters to complete the calculations.\rPlease enter more values.");
        row("triangle bound in the user's separator", "Triangle", ",",
            {"sideATextField=5,5", "sideBTextField=2", "sideCTextField=2"},
            "Please make sure that the sum of Side b and Side c is greater than Side a (> 5,5 "
            "units).\rPlease try again with different values.");
    }
    void aRefusalChangesNothing()
    {
        QFETCH(QString, shape);
        QFETCH(QString, separator);
        QFETCH(QStringList, entries);
        QFETCH(QString, message);
        ShapeCalculator* calculator = app().enter(shape, entries, separator);
        const QStringList before = AppFixture::fieldTexts(calculator);
        const int typingBeeps = app().alerts().beeps();
        QSignalSpy posted2D(&NotificationHub::instance(),
                            &NotificationHub::calculateAndDraw2DFigures);
        QSignalSpy posted3D(&NotificationHub::instance(),
                            &NotificationHub::calculateAndDraw3DFigures);
        QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);

        QCOMPARE(app().alerts().alerts().size(), 1);
        const AlertPresenter::Alert& alert = app().alerts().alerts().constFirst();
        QCOMPARE(alert.title, QString("Can't compute!"));
        QCOMPARE(alert.message, message);
        QCOMPARE(alert.defaultButton, QString("OK"));
        QVERIFY(alert.alternateButton.isEmpty() && alert.otherButton.isEmpty());
        QCOMPARE(app().alerts().beeps(), typingBeeps + 1);
        QCOMPARE(AppFixture::fieldTexts(calculator), before);
        for (int i = 0; i < calculator->fieldCount(); ++i) {
            QVERIFY(!calculator->field(i)->isGiven());
            QCOMPARE(calculator->field(i)->isEditable(), !calculator->field(i)->isOutputOnly());
        }
        QVERIFY(calculator->calculateButton()->isEnabled());
        QVERIFY(!calculator->returnClears());
        QVERIFY(app().tapeText().isEmpty());
        QCOMPARE(posted2D.count() + posted3D.count(), 0);
    }
    void entriesFollowOneBlankLine()
    {
        for (const char* radius : {"1", "2"}) {
            app().calculate("Circle", {QStringLiteral("radiusTextField=") + radius});
            QTest::mouseClick(app().window().calculator("Circle")->clearButton(), Qt::LeftButton);
        }
        const QStringList lines = app().tapeText().split('\n');
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines.at(4), QString("Circumference: 6.28"));
        QVERIFY(lines.at(5).isEmpty());
        QCOMPARE(lines.at(7), QString("Radius: 2"));
    }
    void clearingReturnsToEntry_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QStringList>("kept"); // "outlet=text" left after the clear; all else empty
        QTest::addColumn<QString>("focused");  // the field that has the focus afterwards

        const auto row = [](const char* name, const char* shape, const QStringList& entries,
                            bool shift, const char* focused) {
            QTest::newRow(name) << QString(shape) << entries << shift
                                << (shift ? entries : QStringList()) << QString(focused);
        };
        // A Shift clear keeps exactly the values given; a plain clear keeps nothing.
        row("circle: Shift keeps the given value and selects it", "Circle", {"areaTextField=10"},
            true, "areaTextField");
        row("polygon: Shift keeps the given table values", "Regular Polygon",
            {"xsidesNTextField=6", "xareaTextField=10"}, true, "xsidesNTextField");
        row("polygon: plain clear", "Regular Polygon", {"xsidesNTextField=6", "xareaTextField=10"},
            false, "xsidesNTextField");
        row("triangle: Shift keeps the area as an input", "Triangle",
            {"areaTextField=6", "sideATextField=3", "angleCTextField=90"}, true, "sideATextField");
        row("ellipse: Shift empties the circumference", "Ellipse",
            {"RadiusATextField=3", "RadiusBTextField=2"}, true, "RadiusATextField");
        row("cone: Shift empties the surface", "Cone", {"HeigthHTextField=4", "radiusTextField=3"},
            true, "radiusTextField");
        row("trapezoidal prism: plain clear empties side d", "Trapezoidal Prism",
            {"heightTextField=10", "sideATextField=6", "sideBTextField=2", "sideCTextField=4",
             "angleBTextField=90"},
            false, "sideATextField");
    }
    void clearingReturnsToEntry()
    {
        QFETCH(QString, shape);
        QFETCH(QStringList, entries);
        QFETCH(bool, shift);
        QFETCH(QStringList, kept);
        QFETCH(QString, focused);
        ShapeCalculator* calculator = app().enter(shape, entries);
        QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);
        QVERIFY(app().alerts().alerts().isEmpty());
        QSignalSpy posted2D(&NotificationHub::instance(),
                            &NotificationHub::calculateAndDraw2DFigures);
        QSignalSpy posted3D(&NotificationHub::instance(),
                            &NotificationHub::calculateAndDraw3DFigures);
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
        QCOMPARE(AppFixture::fieldTexts(calculator).join(""), QString());
    }
    void outputOnlyFieldsStayReadOnlyAndGrey_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QStringList>("outputs");
        QTest::addColumn<QStringList>("entries");

        const auto row = [](const char* name, const char* shape, const QStringList& outputs,
                            const QStringList& entries) {
            QTest::newRow(name) << QString(shape) << outputs << entries;
        };
        row("polygon angles and name", "Regular Polygon",
            {"xangleTextField", "angleTextField", "xnameTextField"}, {"sideTextField=1"});
        row("triangle height and perimeter", "Triangle",
            {"yHeightTextField", "circumferenceTextField"},
            {"sideATextField=3", "sideBTextField=4", "sideCTextField=5"});
        row("ellipse circumference", "Ellipse", {"circumferenceTextField"},
            {"RadiusATextField=3", "RadiusBTextField=2"});
        row("cone surface", "Cone", {"SurfaceTextField"},
            {"radiusTextField=3", "HeigthHTextField=4"});
        row("trapezoidal prism side d", "Trapezoidal Prism", {"sideDTetxField"},
            {"heightTextField=10", "sideATextField=6", "sideBTextField=2", "sideCTextField=4",
             "angleBTextField=90"});
    }
    void outputOnlyFieldsStayReadOnlyAndGrey()
    {
        QFETCH(QString, shape);
        QFETCH(QStringList, outputs);
        QFETCH(QStringList, entries);
        ShapeCalculator* calculator = app().enter(shape, entries);
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
        QVERIFY(app().alerts().alerts().isEmpty());
    }
    void returnCalculatesThenClears_data()
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
    void returnCalculatesThenClears()
    {
        QFETCH(QString, shape);
        QFETCH(QStringList, entries);
        QFETCH(QString, result);
        ShapeCalculator* calculator = app().enter(shape, entries);
        TextField* resultField = calculator->fieldByOutlet(result.section('=', 0, 0));
        QTest::keyClick(calculator->fieldByOutlet(entries.last().section('=', 0, 0)),
                        Qt::Key_Return);
        QCOMPARE(resultField->text(), result.section('=', 1));
        QApplication::processEvents();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(resultField->text().isEmpty());
        QVERIFY(calculator->calculateButton()->isEnabled());
        if (shape == "Parallelogram")
            QCOMPARE(calculator->clearButton()->objectName(), QString("clearTextFieldsButton"));
    }
    void typingIsFilteredAndALeadingSeparatorGetsItsZero()
    {
        ShapeCalculator* circle =
            app().enter("Circle", {"radiusTextField=1.2.x", "diameterTextField=.25"});
        QCOMPARE(circle->fieldByOutlet("radiusTextField")->text(), QString("1.2"));
        QCOMPARE(app().alerts().beeps(), 2);
        circle->fieldByOutlet("areaTextField")->setFocus();
        QCOMPARE(circle->fieldByOutlet("diameterTextField")->text(), QString("0.25"));
        // A whole-number field refuses a leading zero as it is typed.
        ShapeCalculator* polygon = app().enter("Regular Polygon", {"xsidesNTextField=0"});
        QVERIFY(polygon->fieldByOutlet("xsidesNTextField")->text().isEmpty());
    }
    void showsTheStepsOfTheCaseTaken()
    {
        ShapeCalculator* cone =
            app().calculate("Cone", {"radiusTextField=3", "HeigthHTextField=4"});
        WorkingPanel* panel = panelOf(cone);
        QVERIFY(panel);
        const QString slantLine = "s = √(h² + r²) = √(4² + 3²) = 5";
        QCOMPARE(panel->plainText().split(QLatin1Char('\n')).mid(0, 2),
                 QStringList({"Given: Radius = 3, Height = 4", slantLine}));
        QVERIFY(panel->view()->toPlainText().contains(slantLine));

        TextField* slant = cone->fieldByOutlet("slantHeightTextField");
        QCOMPARE(slant->toolTip().section(QLatin1Char('\n'), 0, 0), "Slant Height");
        QVERIFY(slant->toolTip().endsWith(QLatin1Char('\n') + slantLine));
        // A given field has no step.
        QVERIFY(!cone->fieldByOutlet("radiusTextField")->toolTip().contains('='));

        QVERIFY(panel->copyButton()->isEnabled());
        QTest::mouseClick(panel->copyButton(), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), panel->plainText());
    }
    void refusalShowsItsReasonAndClearEmptiesIt()
    {
        ShapeCalculator* cone =
            app().calculate("Cone", {"radiusTextField=3", "slantHeightTextField=2"});
        WorkingPanel* panel = panelOf(cone);
        QCOMPARE(panel->plainText(), "2 ≤ 3: the slant height must be longer than the radius");

        app().calculate("Cone", {"radiusTextField=3", "HeigthHTextField=4"});
        QTest::mouseClick(cone->clearButton(), Qt::LeftButton);
        QVERIFY(panel->plainText().isEmpty());
        QVERIFY(!panel->copyButton()->isEnabled());
        QVERIFY(!cone->fieldByOutlet("slantHeightTextField")->toolTip().contains('='));
    }
    void namesTheCaseAndWritesAnglesInDegrees()
    {
        ShapeCalculator* triangle = app().calculate(
            "Triangle", {"sideATextField=3", "sideBTextField=4", "angleCTextField=90"});
        const QStringList lines = panelOf(triangle)->plainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0),
                 QStringLiteral("Given: Side a = 3, Side b = 4, Angle C = 90° → two "
                                "sides and the included angle"));
        QCOMPARE(lines.value(1),
                 QStringLiteral("c = √(a² + b² − 2·a·b·cos C) = √(3² + 4² − 2·3·4·cos "
                                "90°) = 5"));
        QVERIFY(lines.contains("B = 180° − (C + A) = 180° − (90° + 36.87°) = 53.13°"));
    }

private:
    static WorkingPanel* panelOf(ShapeCalculator* calculator)
    {
        return calculator->parentWidget()->findChild<WorkingPanel*>();
    }
};

QTEST_MAIN(CalculationsTest)
#include "tst_Calculations.moc"
