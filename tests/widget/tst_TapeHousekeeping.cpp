#include "widget/ShellTest.h"

#include "app/MainWindow.h"
#include "core/Notices.h"
#include "core/SupportPaths.h"
#include "core/TapeView.h"
#include "core/UserDefaults.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

// Clearing all tapes: the confirmation sheet and its answers, and the clearing at quit.
class TapeHousekeepingTest : public ShellTest {
    Q_OBJECT
private slots:
    void clearingAllTapesEmptiesEveryTapeOnlyWhenAsked_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("the sheet cancelled") << "cancel" << false;
        QTest::newRow("the sheet confirmed") << "confirm" << true;
        QTest::newRow("at quit when the preferences say so") << "quit" << true;
    }
    void clearingAllTapesEmptiesEveryTapeOnlyWhenAsked()
    {
        QFETCH(QString, how);
        QFETCH(bool, cleared);
        window().selectShape(QStringLiteral("Circle"));
        calculate(QStringLiteral("Circle"), {"radiusTextField=2"});
        const QString circleTape = SupportPaths::tapeFilePath(QStringLiteral("Circle"));
        const QByteArray saved = bytes(circleTape);
        QVERIFY(saved.contains("Radius"));
        // The circle's tape under its German name goes too, or it would be taken over as
        // the circle's tape and bring the cleared entries back.
        const QString german = SupportPaths::tapesFolder() + "/Kreis Protokoll";
        QVERIFY(QFile::copy(circleTape, german));

        if (how == "quit") {
            UserDefaults().setBool(DefaultsKeys::autoDeleteTapes, true);
            quit();
        } else {
            alerts().setAnswer(how == "confirm" ? AlertPresenter::AlternateButton
                                                : AlertPresenter::DefaultButton);
            window().clearAllTapesAction()->trigger();
            QCOMPARE(alerts().alerts().size(), 1);
            const AlertPresenter::Alert& alert = alerts().alerts().first();
            QCOMPARE(alert.title, QString("Clear all tapes!"));
            QCOMPARE(alert.message,
                     QString("Are you aure you want to clear all tapes? This can not be undone."));
            QCOMPARE(alert.defaultButton, QString("Cancel"));
            QCOMPARE(alert.alternateButton, QString("Clear all tapes"));
            QCOMPARE(window().tapeTextView()->toPlainText().isEmpty(), cleared);
        }
        QCOMPARE(QDir(SupportPaths::tapesFolder()).entryList(QDir::Files).size(),
                 cleared ? 15 : 16);
        QCOMPARE(QFile::exists(german), !cleared);
        if (cleared)
            QVERIFY(!bytes(circleTape).contains("Radius"));
        else
            QCOMPARE(bytes(circleTape), saved);
    }
    void aTapeThatCannotBeRemovedIsKeptAndReported()
    {
        const QString circleTape = SupportPaths::tapeFilePath(QStringLiteral("Circle"));
        QVERIFY(QFile::remove(circleTape));
        QVERIFY(QDir().mkpath(circleTape + "/inside"));
        window().selectShape(QStringLiteral("Square"));
        alerts().setAnswer(AlertPresenter::AlternateButton);
        window().clearAllTapesAction()->trigger();
        QVERIFY(QFileInfo(circleTape + "/inside").isDir());
        QVERIFY(Notices::instance().history().join('\n').contains(circleTape));
    }
};

QTEST_MAIN(TapeHousekeepingTest)
#include "tst_TapeHousekeeping.moc"
