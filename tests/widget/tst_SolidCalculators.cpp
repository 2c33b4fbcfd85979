#include "support/AppFixture.h"

#include "app/MainWindow.h"
#include "core/Colours.h"
#include "core/NotificationHub.h"
#include "core/ShapeCalculator.h"
#include "core/TapeView.h"
#include "core/TextField.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include <memory>

// The solids' calculators through their real fields in the real window: what each writes
// and logs, what a refusal leaves alone, and how output-only fields behave.
class SolidCalculatorsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void calculatingLogsEveryValueInWritingOrder_data();
    void calculatingLogsEveryValueInWritingOrder();
    void aRefusalShowsItsBoundAndChangesNothing_data();
    void aRefusalShowsItsBoundAndChangesNothing();
    void outputOnlyFieldsStayReadOnlyGreyAndBothClearsEmptyThem_data();
    void outputOnlyFieldsStayReadOnlyGreyAndBothClearsEmptyThem();

private:
    ShapeCalculator* open(const QString& shape) { return m_app->show(shape); }
    void enter(ShapeCalculator* calculator, const QStringList& entries);

    std::unique_ptr<AppFixture> m_app;
};

void SolidCalculatorsTest::init()
{
    m_app = std::make_unique<AppFixture>();
}

void SolidCalculatorsTest::cleanup()
{
    m_app.reset();
}

void SolidCalculatorsTest::enter(ShapeCalculator* calculator, const QStringList& entries)
{
    for (const QString& entry : entries) {
        const QStringList parts = entry.split(QLatin1Char('='));
        TextField* field = calculator->fieldByOutlet(parts.at(0));
        QVERIFY2(field, qPrintable(parts.at(0)));
        AppFixture::type(field, parts.at(1));
    }
}

void SolidCalculatorsTest::calculatingLogsEveryValueInWritingOrder_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("tapeLines");

    QTest::newRow("rectangular prism from its edges")
        << "Rectangular Prism"
        << QStringList{"sideATextField=2", "sideBTextField=3", "heightTextField=4"}
        << QStringList{"Side a: 2", "Side b: 3", "Height: 4", "Volume: 24", "Surface: 52"};
    QTest::newRow("cylinder from volume and radius")
        << "Cylinder" << QStringList{"radiusTextField=1", "volumeTextField=6.2831853"}
        << QStringList{"Radius: 1", "Height: 2", "Volume: 6.2831853", "Surface: 18.85"};
    QTest::newRow("cone from radius and height")
        << "Cone" << QStringList{"radiusTextField=3", "HeigthHTextField=4"}
        << QStringList{"Radius: 3", "Height: 4", "Slant Height: 5", "Volume: 37.7",
                       "Surface: 75.4"};
    QTest::newRow("pyramid from its base and height")
        << "Pyramid" << QStringList{"sideATextField=3", "sideBTextField=4", "heightHTextField=6"}
        << QStringList{"Side a: 3", "Side b: 4", "Height: 6", "Volume: 24", "Surface: 55.71"};
    QTest::newRow("sphere from its diameter")
        << "Sphere" << QStringList{"diameterTextField=3"}
        << QStringList{"Radius: 1.5", "Diameter: 3", "Volume: 14.14", "Surface: 28.27"};
    QTest::newRow("triangular prism missing side a")
        << "Triangular Prism"
        << QStringList{"sideBTextField=4", "sideCTextField=5", "heightTextField=10",
                       "volumeTextField=60"}
        << QStringList{"Side a: 3",  "Side b: 4",  "Side c: 5",
                       "Height: 10", "Volume: 60", "Surface: 132"};
    QTest::newRow("trapezoidal prism from its surface")
        << "Trapezoidal Prism"
        << QStringList{"sideATextField=6", "sideBTextField=2", "sideCTextField=4",
                       "angleBTextField=90", "surfaceTextField=168.28427"}
        << QStringList{"Side a: 6",   "Side b: 2",  "Side c: 4",   "Side d: 2.83",
                       "Angle b: 90", "Height: 10", "Volume: 100", "Surface: 168.28427"};
}

void SolidCalculatorsTest::calculatingLogsEveryValueInWritingOrder()
{
    QFETCH(QString, shape);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, tapeLines);
    ShapeCalculator* calculator = open(shape);
    QVERIFY(calculator);
    enter(calculator, entries);
    QSignalSpy posted(&NotificationHub::instance(), &NotificationHub::calculateAndDraw3DFigures);
    QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);

    QVERIFY(m_app->alerts().alerts().isEmpty());
    const QStringList lines = m_app->tapeText().split(QLatin1Char('\n'));
    QCOMPARE(lines.mid(1), tapeLines);
    QCOMPARE(posted.count(), 1);
    QVERIFY(!calculator->calculateButton()->isEnabled());
    for (int i = 0; i < calculator->fieldCount(); ++i)
        QVERIFY(!calculator->field(i)->isEditable());
    for (const QString& entry : entries)
        QVERIFY(calculator->fieldByOutlet(entry.section(QLatin1Char('='), 0, 0))->isGiven());
}

void SolidCalculatorsTest::aRefusalShowsItsBoundAndChangesNothing_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("message");
    const QString bases =
        "Please make sure that the Surface is greater than the sum of the two base "
        "areas (> %1 square units).\rPlease try again with different values.";

    QTest::newRow("3-4-5 prism with a surface of exactly both bases")
        << "Triangular Prism"
        << QStringList{"sideATextField=3", "sideBTextField=4", "sideCTextField=5",
                       "surfaceTextField=12"}
        << bases.arg("12");
    QTest::newRow("triangular prism with a volume no triangle holds")
        << "Triangular Prism"
        << QStringList{"sideBTextField=4", "sideCTextField=5", "heightTextField=10",
                       "volumeTextField=101"}
        << QString(
               "Please make sure that the Volume is not greater than 100 cubic units.\rPlease try "
               "again with different values.");
    QTest::newRow("cylinder surface below its bases")
        << "Cylinder" << QStringList{"radiusTextField=1", "surfaceTextField=6"}
        << bases.arg("6.28319");
    QTest::newRow("trapezoidal prism surface below its bases")
        << "Trapezoidal Prism"
        << QStringList{"sideATextField=5", "sideBTextField=2", "sideCTextField=3",
                       "angleBTextField=60", "surfaceTextField=13"}
        << bases.arg("13.8564");
    QTest::newRow("cone slant height equal to the radius")
        << "Cone" << QStringList{"radiusTextField=3", "slantHeightTextField=3"}
        << QString("Please make sure that the Slant Height is greater than the Radius (> 3 "
                   "units).\rPlease try again with different values.");
}

void SolidCalculatorsTest::aRefusalShowsItsBoundAndChangesNothing()
{
    QFETCH(QString, shape);
    QFETCH(QStringList, entries);
    QFETCH(QString, message);
    ShapeCalculator* calculator = open(shape);
    enter(calculator, entries);
    QStringList before;
    for (int i = 0; i < calculator->fieldCount(); ++i)
        before << calculator->field(i)->text();
    QSignalSpy posted(&NotificationHub::instance(), &NotificationHub::calculateAndDraw3DFigures);
    QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);

    QCOMPARE(m_app->alerts().alerts().size(), 1);
    QCOMPARE(m_app->alerts().alerts().first().title, QString("Can't compute!"));
    QCOMPARE(m_app->alerts().alerts().first().message, message);
    QCOMPARE(m_app->alerts().beeps(), 1);
    for (int i = 0; i < calculator->fieldCount(); ++i) {
        QCOMPARE(calculator->field(i)->text(), before.at(i));
        QVERIFY(!calculator->field(i)->isGiven());
        QCOMPARE(calculator->field(i)->isEditable(), !calculator->field(i)->isOutputOnly());
    }
    QVERIFY(calculator->calculateButton()->isEnabled());
    QVERIFY(m_app->tapeText().isEmpty());
    QCOMPARE(posted.count(), 0);
}

void SolidCalculatorsTest::outputOnlyFieldsStayReadOnlyGreyAndBothClearsEmptyThem_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("cone surface") << "Cone"
                                  << "SurfaceTextField"
                                  << QStringList{"HeigthHTextField=4", "radiusTextField=3"};
    QTest::newRow("pyramid surface")
        << "Pyramid"
        << "SurfaceTextField"
        << QStringList{"heightHTextField=6", "sideATextField=3", "sideBTextField=4"};
    QTest::newRow("trapezoidal prism side d")
        << "Trapezoidal Prism"
        << "sideDTetxField"
        << QStringList{"heightTextField=10", "sideATextField=6", "sideBTextField=2",
                       "sideCTextField=4", "angleBTextField=90"};
}

void SolidCalculatorsTest::outputOnlyFieldsStayReadOnlyGreyAndBothClearsEmptyThem()
{
    QFETCH(QString, shape);
    QFETCH(QString, output);
    QFETCH(QStringList, entries);
    ShapeCalculator* calculator = open(shape);
    TextField* field = calculator->fieldByOutlet(output);
    auto verifyReadOnlyAndGrey = [field] {
        QVERIFY(!field->isEditable());
        QVERIFY(!field->isGiven());
        QCOMPARE(field->palette().color(QPalette::Base), Colours::outputOnlyField());
    };
    verifyReadOnlyAndGrey();
    enter(calculator, entries);

    for (Qt::KeyboardModifiers clearing : {Qt::ShiftModifier, Qt::NoModifier}) {
        QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);
        QVERIFY(!field->text().isEmpty());
        verifyReadOnlyAndGrey();
        QTest::mouseClick(calculator->clearButton(), Qt::LeftButton, clearing);
        QApplication::processEvents();
        QVERIFY(field->text().isEmpty());
        verifyReadOnlyAndGrey();
        QVERIFY(!field->hasFocus());
        // The given values stay after a keep-entered clear, ready for the next pass.
        if (clearing == Qt::ShiftModifier)
            QVERIFY(calculator->field(0)->hasFocus());
    }
    for (int i = 0; i < calculator->fieldCount(); ++i)
        QVERIFY(calculator->field(i)->text().isEmpty());
}

QTEST_MAIN(SolidCalculatorsTest)
#include "tst_SolidCalculators.moc"
