#include "support/AppFixture.h"

#include "app/MainWindow.h"
#include "core/NotificationHub.h"
#include "core/NumberFormatter.h"
#include "core/TapeView.h"
#include "core/TextField.h"
#include "core/UserDefaults.h"
#include "shapes2d/CalculateCirlce.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include <memory>

// The calculator protocol, driven through the circle's real controls in the real window.
class CircleCalculatorTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void calculatingFromTheAreaKeepsItsTextAndWritesTheRest();
    void calculatingWithNothingEnteredRefusesAndChangesNothing();
    void aZeroCountsAsNotEntered();
    void shiftClearKeepsTheGivenValueAndSelectsIt();
    void shiftClearTwiceEmptiesEveryField();
    void plainClearEmptiesEveryFieldAndSelectsTheRadius();
    void returnCalculatesThenClears();
    void typingIsFilteredWithABeep();
    void endingAnEditAddsTheLeadingZero();
    void aCommaSeparatorReadsAndWritesWithComma();
    void theSecondTapeEntryFollowsOneBlankLine();
    void aClosedTapeDrawerLeavesTheTapeAlone();

private:
    static void type(TextField* field, const QString& text) { AppFixture::type(field, text); }
    void settle() { QApplication::processEvents(); }

    std::unique_ptr<AppFixture> m_app;
    MainWindow* m_window = nullptr;
    CalculateCirlce* m_circle = nullptr;
};

void CircleCalculatorTest::init()
{
    m_app = std::make_unique<AppFixture>();
    m_window = &m_app->window();
    m_window->selectShape(QStringLiteral("Circle"));
    m_circle = qobject_cast<CalculateCirlce*>(m_window->calculator(QStringLiteral("Circle")));
    QVERIFY(m_circle);
}

void CircleCalculatorTest::cleanup()
{
    m_app.reset();
}

void CircleCalculatorTest::calculatingFromTheAreaKeepsItsTextAndWritesTheRest()
{
    QSignalSpy posted(&NotificationHub::instance(), &NotificationHub::calculateAndDraw2DFigures);
    type(m_circle->areaTextField(), QStringLiteral("10.000"));
    QTest::mouseClick(m_circle->calculateButton(), Qt::LeftButton);

    QCOMPARE(m_circle->areaTextField()->text(), QString("10.000"));
    QVERIFY(m_circle->areaTextField()->isGiven());
    QCOMPARE(m_circle->radiusTextField()->text(), QString("1.78"));
    QCOMPARE(m_circle->diameterTextField()->text(), QString("3.57"));
    QCOMPARE(m_circle->circumferenceTextField()->text(), QString("11.21"));
    QVERIFY(!m_circle->radiusTextField()->isGiven());
    for (int i = 0; i < m_circle->fieldCount(); ++i)
        QVERIFY(!m_circle->field(i)->isEditable());
    QVERIFY(!m_circle->calculateButton()->isEnabled());
    QVERIFY(m_circle->returnClears());
    QCOMPARE(posted.count(), 1);

    const QStringList lines = m_window->tapeTextView()->toPlainText().split(QChar('\n'));
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines.mid(1), QStringList({"Radius: 1.78", "Diameter: 3.57", "Area: 10.000",
                                        "Circumference: 11.21"}));
}

void CircleCalculatorTest::calculatingWithNothingEnteredRefusesAndChangesNothing()
{
    type(m_circle->areaTextField(), QStringLiteral("abc"));
    QTest::mouseClick(m_circle->calculateButton(), Qt::LeftButton);

    QCOMPARE(m_app->alerts().alerts().size(), 1);
    const AlertPresenter::Alert& alert = m_app->alerts().alerts().first();
    QCOMPARE(alert.title, QString("Can't compute!"));
    QCOMPARE(alert.message, QString("Not enough parameters to complete the calculations.\r"
                                    "Please enter more values."));
    QCOMPARE(alert.defaultButton, QString("OK"));
    QVERIFY(alert.alternateButton.isEmpty());
    QCOMPARE(m_app->alerts().beeps(), 1 + 3); // three letters refused while typing, one refusal
    QVERIFY(m_circle->calculateButton()->isEnabled());
    QVERIFY(!m_circle->returnClears());
    QVERIFY(m_window->tapeTextView()->toPlainText().isEmpty());
    for (int i = 0; i < m_circle->fieldCount(); ++i) {
        QVERIFY(m_circle->field(i)->isEditable());
        QVERIFY(!m_circle->field(i)->isGiven());
    }
}

void CircleCalculatorTest::aZeroCountsAsNotEntered()
{
    type(m_circle->radiusTextField(), QStringLiteral("0"));
    type(m_circle->circumferenceTextField(), QStringLiteral("6"));
    QTest::mouseClick(m_circle->calculateButton(), Qt::LeftButton);

    QVERIFY(m_circle->circumferenceTextField()->isGiven());
    QVERIFY(!m_circle->radiusTextField()->isGiven());
    QCOMPARE(m_circle->radiusTextField()->text(), QString("0.95"));
}

void CircleCalculatorTest::shiftClearKeepsTheGivenValueAndSelectsIt()
{
    type(m_circle->areaTextField(), QStringLiteral("10"));
    QTest::mouseClick(m_circle->calculateButton(), Qt::LeftButton);
    QTest::mouseClick(m_circle->clearButton(), Qt::LeftButton, Qt::ShiftModifier);
    settle();

    QCOMPARE(m_circle->areaTextField()->text(), QString("10"));
    QVERIFY(!m_circle->areaTextField()->isGiven());
    QVERIFY(m_circle->radiusTextField()->text().isEmpty());
    QVERIFY(m_circle->circumferenceTextField()->text().isEmpty());
    QVERIFY(m_circle->areaTextField()->isEditable());
    QVERIFY(m_circle->areaTextField()->hasFocus());
    QVERIFY(m_circle->calculateButton()->isEnabled());
    QVERIFY(!m_circle->returnClears());
}

void CircleCalculatorTest::shiftClearTwiceEmptiesEveryField()
{
    type(m_circle->areaTextField(), QStringLiteral("10"));
    QTest::mouseClick(m_circle->calculateButton(), Qt::LeftButton);
    QSignalSpy posted(&NotificationHub::instance(), &NotificationHub::calculateAndDraw2DFigures);
    QTest::mouseClick(m_circle->clearButton(), Qt::LeftButton, Qt::ShiftModifier);
    QTest::mouseClick(m_circle->clearButton(), Qt::LeftButton, Qt::ShiftModifier);
    for (int i = 0; i < m_circle->fieldCount(); ++i)
        QVERIFY(m_circle->field(i)->text().isEmpty());
    QCOMPARE(posted.count(), 2);
}

void CircleCalculatorTest::plainClearEmptiesEveryFieldAndSelectsTheRadius()
{
    type(m_circle->diameterTextField(), QStringLiteral("5"));
    QTest::mouseClick(m_circle->calculateButton(), Qt::LeftButton);
    QTest::mouseClick(m_circle->clearButton(), Qt::LeftButton);
    settle();
    for (int i = 0; i < m_circle->fieldCount(); ++i) {
        QVERIFY(m_circle->field(i)->text().isEmpty());
        QVERIFY(m_circle->field(i)->isEditable());
        QVERIFY(!m_circle->field(i)->isGiven());
    }
    QVERIFY(m_circle->radiusTextField()->hasFocus());
}

void CircleCalculatorTest::returnCalculatesThenClears()
{
    type(m_circle->radiusTextField(), QStringLiteral("1"));
    QTest::keyClick(m_circle->radiusTextField(), Qt::Key_Return);
    QCOMPARE(m_circle->circumferenceTextField()->text(), QString("6.28"));
    settle();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(m_circle->circumferenceTextField()->text().isEmpty());
    QVERIFY(m_circle->calculateButton()->isEnabled());
}

void CircleCalculatorTest::typingIsFilteredWithABeep()
{
    type(m_circle->radiusTextField(), QStringLiteral("1.2.x"));
    QCOMPARE(m_circle->radiusTextField()->text(), QString("1.2"));
    QCOMPARE(m_app->alerts().beeps(), 2);
}

void CircleCalculatorTest::endingAnEditAddsTheLeadingZero()
{
    type(m_circle->radiusTextField(), QStringLiteral(".25"));
    m_circle->diameterTextField()->setFocus();
    QCOMPARE(m_circle->radiusTextField()->text(), QString("0.25"));
}

void CircleCalculatorTest::aCommaSeparatorReadsAndWritesWithComma()
{
    NumberFormatter::setShared(NumberFormatter(2, QLatin1Char(',')));
    type(m_circle->radiusTextField(), QStringLiteral("3,5"));
    QTest::mouseClick(m_circle->calculateButton(), Qt::LeftButton);
    QCOMPARE(m_circle->diameterTextField()->text(), QString("7"));
    QCOMPARE(m_circle->areaTextField()->text(), QString("38,48"));
    NumberFormatter::setShared(NumberFormatter());
}

void CircleCalculatorTest::theSecondTapeEntryFollowsOneBlankLine()
{
    for (const char* radius : {"1", "2"}) {
        type(m_circle->radiusTextField(), QString::fromLatin1(radius));
        QTest::mouseClick(m_circle->calculateButton(), Qt::LeftButton);
        QTest::mouseClick(m_circle->clearButton(), Qt::LeftButton);
    }
    const QStringList lines = m_window->tapeTextView()->toPlainText().split(QChar('\n'));
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines.at(4), QString("Circumference: 6.28"));
    QVERIFY(lines.at(5).isEmpty());
    QCOMPARE(lines.at(7), QString("Radius: 2"));
}

void CircleCalculatorTest::aClosedTapeDrawerLeavesTheTapeAlone()
{
    UserDefaults().setInteger(DefaultsKeys::tapeDrawerState, 2);
    type(m_circle->radiusTextField(), QStringLiteral("1"));
    QTest::mouseClick(m_circle->calculateButton(), Qt::LeftButton);
    QCOMPARE(m_circle->diameterTextField()->text(), QString("2"));
    QVERIFY(m_window->tapeTextView()->toPlainText().isEmpty());
}

QTEST_MAIN(CircleCalculatorTest)
#include "tst_CircleCalculator.moc"
