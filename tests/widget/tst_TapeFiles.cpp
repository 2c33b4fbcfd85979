#include "support/TapeRuns.h"
#include "widget/ShellTest.h"

#include "app/MainWindow.h"
#include "app/TapePanel.h"
#include "core/SupportPaths.h"
#include "core/TapeView.h"
#include "core/UserDefaults.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

// Tape files and support files, through the real window: what lands on disk, what a
// restart shows, and what clearing a tape does.
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
