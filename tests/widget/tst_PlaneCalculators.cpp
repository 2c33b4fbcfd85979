#include "support/AppFixture.h"

#include "app/MainWindow.h"
#include "core/Colours.h"
#include "core/NumberFormatter.h"
#include "core/TapeView.h"
#include "core/TextField.h"
#include "shapes2d/CalculateEllipse.h"
#include "shapes2d/CalculateParallelogram.h"
#include "shapes2d/CalculatePolygon.h"
#include "shapes2d/CalculateTriangle.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include <memory>

// The calculators' own deviations from the shared protocol, driven through their real
// fields in the real window: the polygon's two field sets, output-only fields, the
// triangle's area as an input, the parallelogram's and polygon's clear button.
class PlaneCalculatorsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void polygonTableSolveFillsBothSetsAndLogsTheTable();
    void polygonGraphicSolveIsAPentagonAndLogsTheGraphic();
    void polygonWritesTheWholeNumberOfSidesItUsed();
    void polygonWithTooFewSidesRefusesAndChangesNothing();
    void polygonShiftClearKeepsTheGivenTableValues();
    void polygonAnglesAndNameStayReadOnlyAndGrey();
    void triangleFromAreaLogsNineLinesWithTheThreeGivenBlue();
    void triangleRefusalChangesNoFieldAndNoMark();
    void triangleBoundUsesTheUsersSeparator();
    void ellipseKeepEnteredClearEmptiesTheCircumference();
    void parallelogramAndPolygonClearWithTheirOwnButton();

private:
    template <typename Calculator> Calculator* show(const char* shape);
    static void type(TextField* field, const QString& text) { AppFixture::type(field, text); }
    void click(QPushButton* button, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The tape's lines after the date line; a given value's line is prefixed with "*".
    QStringList tapeLines() const;
    static bool isGrey(const TextField* field);

    std::unique_ptr<AppFixture> m_app;
    MainWindow* m_window = nullptr;
};

void PlaneCalculatorsTest::init()
{
    m_app = std::make_unique<AppFixture>();
    m_window = &m_app->window();
}

void PlaneCalculatorsTest::cleanup()
{
    m_app.reset();
    NumberFormatter::setShared(NumberFormatter());
}

template <typename Calculator> Calculator* PlaneCalculatorsTest::show(const char* shape)
{
    m_window->selectShape(QString::fromLatin1(shape));
    QApplication::processEvents();
    return qobject_cast<Calculator*>(m_window->calculator(QString::fromLatin1(shape)));
}

void PlaneCalculatorsTest::click(QPushButton* button, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(button, Qt::LeftButton, modifiers);
    QApplication::processEvents();
}

QStringList PlaneCalculatorsTest::tapeLines() const
{
    // The lines after the date line, a given one marked by its colour.
    QStringList lines;
    const QTextDocument* document = m_window->tapeTextView()->document();
    const QStringList text = document->toPlainText().split(QLatin1Char('\n'));
    int start = int(text.constFirst().size()) + 1;
    for (const QString& line : text.mid(1)) {
        QTextCursor cursor(const_cast<QTextDocument*>(document));
        cursor.setPosition(start + 1);
        const bool given =
            cursor.charFormat().foreground().color().rgb() == Colours::tapeGivenValue().rgb();
        lines << (given ? QStringLiteral("*") : QString()) + line;
        start += int(line.size()) + 1;
    }
    return lines;
}

bool PlaneCalculatorsTest::isGrey(const TextField* field)
{
    return field->palette().color(QPalette::Base) == Colours::outputOnlyField();
}

void PlaneCalculatorsTest::polygonTableSolveFillsBothSetsAndLogsTheTable()
{
    auto* polygon = show<CalculatePolygon>("Regular Polygon");
    QVERIFY(polygon);
    type(polygon->xsidesNTextField(), "6");
    type(polygon->xsideTextField(), "2.0");
    type(polygon->radiusATextField(), "9"); // a graphic value beside a table value loses
    click(polygon->calculateButton());

    QVERIFY(polygon->xsidesNTextField()->isGiven());
    QVERIFY(polygon->xsideTextField()->isGiven());
    QVERIFY(!polygon->sideTextField()->isGiven());
    QCOMPARE(polygon->sideTextField()->text(), QString("2.0")); // the user's text, copied
    QCOMPARE(polygon->radiusATextField()->text(), QString("2"));
    QCOMPARE(polygon->angleTextField()->text(), QString("120"));
    QCOMPARE(polygon->xnameTextField()->text(), QString("Hexagon"));
    for (int i = 0; i < polygon->fieldCount(); ++i)
        QVERIFY(!polygon->field(i)->isEditable());
    QCOMPARE(tapeLines(),
             QStringList({"*Number of Sides: 6", "*Side: 2.0", "Radius a: 2", "Radius b: 1.73",
                          "Angle: 120", "Area: 10.39", "Perimeter: 12", "Name: Hexagon"}));
}

void PlaneCalculatorsTest::polygonGraphicSolveIsAPentagonAndLogsTheGraphic()
{
    auto* polygon = show<CalculatePolygon>("Regular Polygon");
    type(polygon->xsidesNTextField(), "7");
    type(polygon->sideTextField(), "1");
    click(polygon->calculateButton());

    QCOMPARE(polygon->xsidesNTextField()->text(), QString("5"));
    QVERIFY(!polygon->xsidesNTextField()->isGiven());
    QVERIFY(polygon->sideTextField()->isGiven());
    QCOMPARE(polygon->xsideTextField()->text(), QString("1"));
    QCOMPARE(polygon->xradiusATextField()->text(), QString("0.85"));
    QCOMPARE(polygon->xangleTextField()->text(), QString("108"));
    QCOMPARE(tapeLines(),
             QStringList({"*Number of Sides: 5", "*Side: 1", "Radius a: 0.85", "Radius b: 0.69",
                          "Angle: 108", "Area: 1.72", "Perimeter: 5", "Name: Pentagon"}));
}

void PlaneCalculatorsTest::polygonWritesTheWholeNumberOfSidesItUsed()
{
    auto* polygon = show<CalculatePolygon>("Regular Polygon");
    polygon->xsidesNTextField()->setText("101.9"); // pasted past the typing filter
    type(polygon->xsideTextField(), "1");
    click(polygon->calculateButton());

    QCOMPARE(polygon->xsidesNTextField()->text(), QString("101"));
    QCOMPARE(polygon->xcircumferenceTextField()->text(), QString("101"));
    QVERIFY(polygon->xnameTextField()->text().isEmpty());
    QVERIFY(!tapeLines().join('\n').contains("Name"));
}

void PlaneCalculatorsTest::polygonWithTooFewSidesRefusesAndChangesNothing()
{
    auto* polygon = show<CalculatePolygon>("Regular Polygon");
    type(polygon->xsidesNTextField(), "2");
    type(polygon->xsideTextField(), "1");
    type(polygon->sideTextField(), "1");
    click(polygon->calculateButton());

    QCOMPARE(m_app->alerts().alerts().size(), 1);
    QCOMPARE(m_app->alerts().alerts().first().message,
             QString("A polygon has at least 3 sides.\rPlease try again with different values."));
    QCOMPARE(polygon->xsidesNTextField()->text(), QString("2"));
    QVERIFY(polygon->xangleTextField()->text().isEmpty());
    for (int i = 0; i < polygon->fieldCount(); ++i)
        QVERIFY(!polygon->field(i)->isGiven());
    QVERIFY(polygon->calculateButton()->isEnabled());
    QVERIFY(m_window->tapeTextView()->toPlainText().isEmpty());
}

void PlaneCalculatorsTest::polygonShiftClearKeepsTheGivenTableValues()
{
    auto* polygon = show<CalculatePolygon>("Regular Polygon");
    type(polygon->xsidesNTextField(), "6");
    type(polygon->xareaTextField(), "10");
    click(polygon->calculateButton());
    click(polygon->clearButton(), Qt::ShiftModifier);

    QCOMPARE(polygon->xsidesNTextField()->text(), QString("6"));
    QCOMPARE(polygon->xareaTextField()->text(), QString("10"));
    QVERIFY(polygon->areaTextField()->text().isEmpty());
    QVERIFY(polygon->xsideTextField()->text().isEmpty());
    QVERIFY(polygon->xnameTextField()->text().isEmpty());
    QVERIFY(polygon->xsidesNTextField()->hasFocus());
    QVERIFY(polygon->xareaTextField()->isEditable());
    QVERIFY(!polygon->xareaTextField()->isGiven());

    click(polygon->clearButton());
    for (int i = 0; i < polygon->fieldCount(); ++i)
        QVERIFY(polygon->field(i)->text().isEmpty());
    QVERIFY(polygon->xsidesNTextField()->hasFocus());
}

void PlaneCalculatorsTest::polygonAnglesAndNameStayReadOnlyAndGrey()
{
    auto* polygon = show<CalculatePolygon>("Regular Polygon");
    const QList<TextField*> outputs{polygon->xangleTextField(), polygon->angleTextField(),
                                    polygon->xnameTextField()};
    for (int pass = 0; pass < 2; ++pass) {
        for (TextField* field : outputs) {
            QVERIFY(!field->isEditable());
            QVERIFY(isGrey(field));
        }
        type(polygon->sideTextField(), "1");
        click(polygon->calculateButton());
        click(polygon->clearButton(), pass ? Qt::ShiftModifier : Qt::NoModifier);
    }
    // A whole-number field refuses a leading zero as it is typed.
    type(polygon->xsidesNTextField(), "0");
    QVERIFY(polygon->xsidesNTextField()->text().isEmpty());
}

void PlaneCalculatorsTest::triangleFromAreaLogsNineLinesWithTheThreeGivenBlue()
{
    auto* triangle = show<CalculateTriangle>("Triangle");
    QVERIFY(triangle);
    QVERIFY(!triangle->yHeightTextField()->isEditable() && isGrey(triangle->yHeightTextField()));
    QVERIFY(!triangle->circumferenceTextField()->isEditable());
    QVERIFY(triangle->areaTextField()->isEditable() && !isGrey(triangle->areaTextField()));
    type(triangle->areaTextField(), "6");
    type(triangle->sideATextField(), "3");
    type(triangle->angleCTextField(), "90");
    click(triangle->calculateButton());

    QCOMPARE(tapeLines(), QStringList({"*Side a: 3", "Side b: 4", "Side c: 5", "Angle a: 36.87",
                                       "Angle b: 53.13", "*Angle c: 90", "Height: 4", "*Area: 6",
                                       "Perimeter: 12"}));

    click(triangle->clearButton(), Qt::ShiftModifier);
    QCOMPARE(triangle->areaTextField()->text(), QString("6"));
    QVERIFY(triangle->areaTextField()->isEditable());
    QVERIFY(!triangle->areaTextField()->isGiven());
    QVERIFY(triangle->yHeightTextField()->text().isEmpty());
    QVERIFY(!triangle->yHeightTextField()->isEditable());
    QVERIFY(triangle->sideATextField()->hasFocus());
}

void PlaneCalculatorsTest::triangleRefusalChangesNoFieldAndNoMark()
{
    auto* triangle = show<CalculateTriangle>("Triangle");
    type(triangle->sideATextField(), "3");
    type(triangle->sideBTextField(), "5");
    type(triangle->angleATextField(), "40");
    click(triangle->calculateButton());

    QCOMPARE(m_app->alerts().alerts().size(), 1);
    QCOMPARE(m_app->alerts().alerts().first().message,
             QString("Please make sure that the Angle given is the one opposite the larger "
                     "side.\rPlease try again with different values."));
    const QStringList texts{"3", "5", "", "40", "", "", "", "", ""};
    for (int i = 0; i < triangle->fieldCount(); ++i) {
        QCOMPARE(triangle->field(i)->text(), texts[i]);
        QVERIFY(!triangle->field(i)->isGiven());
    }
    QVERIFY(triangle->calculateButton()->isEnabled());
    QVERIFY(m_window->tapeTextView()->toPlainText().isEmpty());
}

void PlaneCalculatorsTest::triangleBoundUsesTheUsersSeparator()
{
    NumberFormatter::setShared(NumberFormatter(2, QLatin1Char(',')));
    auto* triangle = show<CalculateTriangle>("Triangle");
    type(triangle->sideATextField(), "5,5");
    type(triangle->sideBTextField(), "2");
    type(triangle->sideCTextField(), "2");
    click(triangle->calculateButton());
    QCOMPARE(m_app->alerts().alerts().size(), 1);
    QVERIFY(m_app->alerts().alerts().first().message.contains("Side a (> 5,5 units)"));
}

void PlaneCalculatorsTest::ellipseKeepEnteredClearEmptiesTheCircumference()
{
    auto* ellipse = show<CalculateEllipse>("Ellipse");
    QVERIFY(ellipse);
    type(ellipse->RadiusATextField(), "3");
    type(ellipse->RadiusBTextField(), "2");
    click(ellipse->calculateButton());
    QCOMPARE(ellipse->circumferenceTextField()->text(), QString("16.02"));
    click(ellipse->clearButton(), Qt::ShiftModifier);

    QCOMPARE(ellipse->RadiusATextField()->text(), QString("3"));
    QVERIFY(ellipse->areaTextField()->text().isEmpty());
    QVERIFY(ellipse->circumferenceTextField()->text().isEmpty());
    QVERIFY(!ellipse->circumferenceTextField()->isEditable());
    QVERIFY(isGrey(ellipse->circumferenceTextField()));
}

void PlaneCalculatorsTest::parallelogramAndPolygonClearWithTheirOwnButton()
{
    auto* parallelogram = show<CalculateParallelogram>("Parallelogram");
    QVERIFY(parallelogram);
    QCOMPARE(parallelogram->clearButton()->objectName(), QString("clearTextFieldsButton"));
    auto* polygon = show<CalculatePolygon>("Regular Polygon");
    QCOMPARE(polygon->clearButton()->objectName(), QString("clearTextFieldsButton"));

    show<CalculateParallelogram>("Parallelogram");
    type(parallelogram->sideATextField(), "10");
    type(parallelogram->sideBTextField(), "4");
    type(parallelogram->angleATextField(), "60");
    QTest::keyClick(parallelogram->angleATextField(), Qt::Key_Return);
    QCOMPARE(parallelogram->areaTextField()->text(), QString("34.64"));
    QApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(parallelogram->areaTextField()->text().isEmpty());
    QVERIFY(parallelogram->calculateButton()->isEnabled());
}

QTEST_MAIN(PlaneCalculatorsTest)
#include "tst_PlaneCalculators.moc"
