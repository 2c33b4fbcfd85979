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

// Both clears, output-only fields, Return and typing, through the real fields of the
// calculators whose behaviour differs: the polygon's two field sets, the triangle's area
// as an input, the output-only fields of the ellipse, cone, pyramid and trapezoidal prism.
class ClearingTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_app = std::make_unique<AppFixture>(); }
    void cleanup() { m_app.reset(); }

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
        ShapeCalculator* calculator = m_app->enter(shape, entries);
        QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);
        QVERIFY(m_app->alerts().alerts().isEmpty());
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
        ShapeCalculator* calculator = m_app->enter(shape, entries);
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
        ShapeCalculator* calculator = m_app->enter(shape, entries);
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
            m_app->enter("Circle", {"radiusTextField=1.2.x", "diameterTextField=.25"});
        QCOMPARE(circle->fieldByOutlet("radiusTextField")->text(), QString("1.2"));
        QCOMPARE(m_app->alerts().beeps(), 2);
        circle->fieldByOutlet("areaTextField")->setFocus();
        QCOMPARE(circle->fieldByOutlet("diameterTextField")->text(), QString("0.25"));
        // A whole-number field refuses a leading zero as it is typed.
        ShapeCalculator* polygon = m_app->enter("Regular Polygon", {"xsidesNTextField=0"});
        QVERIFY(polygon->fieldByOutlet("xsidesNTextField")->text().isEmpty());
    }

private:
    std::unique_ptr<AppFixture> m_app;
};

QTEST_MAIN(ClearingTest)
#include "tst_Clearing.moc"
