#include "core/ShapeCalculator.h"
#include "core/TextField.h"
#include "core/WorkingPanel.h"
#include "support/AppFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include <memory>

// The Working section through its real controls: it shows the case the calculator took,
// the computed fields carry their steps as tooltips, Copy gives the plain text, a refusal
// shows its reason and Clear takes it all away again.
class WorkingTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_app = std::make_unique<AppFixture>(); }
    void cleanup() { m_app.reset(); }

    void showsTheStepsOfTheCaseTaken()
    {
        ShapeCalculator* cone =
            m_app->calculate("Cone", {"radiusTextField=3", "HeigthHTextField=4"});
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
            m_app->calculate("Cone", {"radiusTextField=3", "slantHeightTextField=2"});
        WorkingPanel* panel = panelOf(cone);
        QCOMPARE(panel->plainText(), "2 ≤ 3: the slant height must be longer than the radius");

        m_app->calculate("Cone", {"radiusTextField=3", "HeigthHTextField=4"});
        QTest::mouseClick(cone->clearButton(), Qt::LeftButton);
        QVERIFY(panel->plainText().isEmpty());
        QVERIFY(!panel->copyButton()->isEnabled());
        QVERIFY(!cone->fieldByOutlet("slantHeightTextField")->toolTip().contains('='));
    }
    void namesTheCaseAndWritesAnglesInDegrees()
    {
        ShapeCalculator* triangle = m_app->calculate(
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
    std::unique_ptr<AppFixture> m_app;
};

QTEST_MAIN(WorkingTest)
#include "tst_Working.moc"
