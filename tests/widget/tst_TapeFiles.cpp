#include "app/MainWindow.h"
#include "app/TapePanel.h"
#include "core/Notices.h"
#include "core/SupportPaths.h"
#include "core/TapeView.h"
#include "core/UserDefaults.h"
#include "support/TapeRuns.h"
#include "widget/ShellTest.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

// Tape files and support files, through the real window: what lands on disk, what a
// restart shows, what clearing a tape does, and clearing every tape, when asked or at quit.
class TapeFilesTest : public ShellTest {
    Q_OBJECT
private slots:
    void firstRunSeedsEveryTapeAndTheMetadata()
    {
        const QStringList tapes = QDir(SupportPaths::tapesFolder()).entryList(QDir::Files);
        QCOMPARE(tapes.size(), 15);
        QVERIFY(tapes.contains("Regular Polygon Tape"));
        for (const QString& tape : tapes)
            QVERIFY(bytes(SupportPaths::tapesFolder() + "/" + tape).startsWith("{\\rtf1"));
        QVERIFY(QFile::exists(SupportPaths::metadataFolder() + "/Polymetra"));
        QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::metaVersion), 200);
    }
    void aCalculationIsSavedAndShownAgainAfterARestart()
    {
        calculate(QStringLiteral("Circle"), {"radiusTextField=10.000"});
        const QJsonArray before = TapeRuns::of(*window().tapeTextView()->document());
        const QByteArray saved = bytes(circleTape());
        QVERIFY(saved.contains("Radius: 10.000"));

        restart();
        // Seeding the empty tapes again never touches a tape with content.
        QCOMPARE(bytes(circleTape()), saved);
        TapeView* tape = window().tapeTextView();
        QCOMPARE(TapeRuns::of(*tape->document()), before);
        QCOMPARE(tape->textCursor().position(), tape->document()->characterCount() - 1);
    }
    void aDeletedMetadataFileIsRecreatedAndOldOnesRefreshedOnce()
    {
        const QString general = SupportPaths::metadataFolder() + "/Polymetra";
        QVERIFY(QFile::remove(general));
        restart();
        QVERIFY(QFile::exists(general));

        {
            QFile stale(general);
            QVERIFY(stale.open(QIODevice::WriteOnly));
            stale.write("stale");
        }
        restart();
        QCOMPARE(bytes(general), QByteArray("stale"));
        UserDefaults().setInteger(DefaultsKeys::metaVersion, 150);
        restart();
        QVERIFY(bytes(general).startsWith("{\\rtf1"));
    }
    void clearingTheTapeWritesAnEmptyTapeEvenWithTheDrawerClosed()
    {
        calculate(QStringLiteral("Circle"), {"radiusTextField=2"});
        UserDefaults().setInteger(DefaultsKeys::tapeDrawerState, 2);
        QTest::mouseClick(window().tapePanel()->clearTapeButton(), Qt::LeftButton);
        const QByteArray empty = bytes(circleTape());
        QVERIFY(empty.startsWith("{\\rtf1"));
        QVERIFY(!empty.contains("Radius"));
        QVERIFY(window().tapeTextView()->toPlainText().isEmpty());
        QCOMPARE(UserDefaults().stringForKey(DefaultsKeys::topTab), QString("2D"));
    }
    void aTapeSavedInAnotherLanguageIsTakenOver()
    {
        calculate(QStringLiteral("Circle"), {"radiusTextField=10.000"});
        const QByteArray saved = bytes(circleTape());
        const QString german = SupportPaths::tapesFolder() + "/Kreis Protokoll";
        QVERIFY(QFile::rename(circleTape(), german));

        restart();
        // Seeding put no empty tape in its way: the German file became the circle's tape.
        QVERIFY(!QFile::exists(german));
        QCOMPARE(bytes(circleTape()), saved);
        QVERIFY(window().tapeTextView()->toPlainText().contains("Radius: 10.000"));
    }
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

private:
    void launched() override { window().selectShape(QStringLiteral("Circle")); }
    // Launches again (quitting first), on the circle.
    void restart()
    {
        QVERIFY(relaunch());
        launched();
    }
    static QString circleTape() { return SupportPaths::tapeFilePath(QStringLiteral("Circle")); }
};

QTEST_MAIN(TapeFilesTest)
#include "tst_TapeFiles.moc"
