#include "support/AppFixture.h"

#include "app/MainWindow.h"
#include "core/NotificationHub.h"
#include "core/ShapeCalculator.h"
#include "core/TextField.h"

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
        ShapeCalculator* calculator = m_app->enter(shape, entries);
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
        ShapeCalculator* calculator = m_app->enter(shape, entries, separator);
        const QStringList before = AppFixture::fieldTexts(calculator);
        const int typingBeeps = m_app->alerts().beeps();
        QSignalSpy posted2D(&NotificationHub::instance(),
                            &NotificationHub::calculateAndDraw2DFigures);
        QSignalSpy posted3D(&NotificationHub::instance(),
                            &NotificationHub::calculateAndDraw3DFigures);
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
    void entriesFollowOneBlankLine()
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
    }

private:
    std::unique_ptr<AppFixture> m_app;
};

QTEST_MAIN(CalculationsTest)
#include "tst_Calculations.moc"
