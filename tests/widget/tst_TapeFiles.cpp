#include "support/AppFixture.h"
#include "support/TapeRuns.h"

#include "app/AppInterface.h"
#include "app/MainWindow.h"
#include "app/TapePanel.h"
#include "core/SupportPaths.h"
#include "core/TapeView.h"
#include "core/TextField.h"
#include "core/UserDefaults.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include <memory>

#include <unistd.h>

// Tape files and support files, through the real window: what lands on disk, what a
// restart shows, and what clearing does.
class TapeFilesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstRunSeedsEveryTapeAndTheMetadata();
    void aCalculationIsSavedAndShownAgainAfterARestart();
    void seedingNeverTouchesATapeWithContent();
    void aDeletedMetadataFileIsRecreatedAndOldOnesRefreshedOnce();
    void clearAllTapesDoesNothingOnCancel();
    void clearAllTapesLeavesFifteenEmptyTapesOnConfirm();
    void clearingTheTapeWritesAnEmptyTapeEvenWithTheDrawerClosed();
    void aReadOnlyTapesFolderKeepsTheOldFileAndTheResult();
    void tapesAreClearedAtQuitWhenAsked();

private:
    void launch();
    void calculateCircleRadius(const QString& radius);
    static QByteArray fileBytes(const QString& path);
    static bool setFolderWritable(const QString& path, bool writable);
    static QString circleTape() { return SupportPaths::tapeFilePath(QStringLiteral("Circle")); }

    std::unique_ptr<AppFixture> m_app;
};

void TapeFilesTest::init()
{
    m_app = std::make_unique<AppFixture>();
    m_app->window().selectShape(QStringLiteral("Circle"));
}

void TapeFilesTest::cleanup()
{
    m_app.reset();
}

void TapeFilesTest::launch()
{
    m_app->launch();
    m_app->window().selectShape(QStringLiteral("Circle"));
}

void TapeFilesTest::calculateCircleRadius(const QString& radius)
{
    m_app->calculate(QStringLiteral("Circle"), {"radiusTextField=" + radius});
}

QByteArray TapeFilesTest::fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TapeFilesTest::setFolderWritable(const QString& path, bool writable)
{
    // Permissions do not bind root; the immutable attribute does.
    if (geteuid() == 0)
        return QProcess::execute("chattr", {writable ? "-i" : "+i", path}) == 0;
    const QFile::Permissions readable = QFile::ReadOwner | QFile::ExeOwner;
    return QFile::setPermissions(path, writable ? readable | QFile::WriteOwner : readable);
}

void TapeFilesTest::firstRunSeedsEveryTapeAndTheMetadata()
{
    const QStringList tapes = QDir(SupportPaths::tapesFolder()).entryList(QDir::Files);
    QCOMPARE(tapes.size(), 15);
    QVERIFY(tapes.contains("Regular Polygon Tape"));
    for (const QString& tape : tapes)
        QVERIFY(fileBytes(SupportPaths::tapesFolder() + "/" + tape).startsWith("{\\rtf1"));
    QVERIFY(QFile::exists(SupportPaths::metadataFolder() + "/Polymetra"));
    QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::metaVersion), 200);
}

void TapeFilesTest::aCalculationIsSavedAndShownAgainAfterARestart()
{
    calculateCircleRadius(QStringLiteral("10.000"));
    const QJsonArray before = TapeRuns::of(*m_app->window().tapeTextView()->document());
    QVERIFY(fileBytes(circleTape()).contains("Radius: 10.000"));

    launch();
    TapeView* tape = m_app->window().tapeTextView();
    QCOMPARE(TapeRuns::of(*tape->document()), before);
    QCOMPARE(tape->textCursor().position(), tape->document()->characterCount() - 1);
}

void TapeFilesTest::seedingNeverTouchesATapeWithContent()
{
    calculateCircleRadius(QStringLiteral("2"));
    const QByteArray saved = fileBytes(circleTape());
    launch();
    QCOMPARE(fileBytes(circleTape()), saved);
}

void TapeFilesTest::aDeletedMetadataFileIsRecreatedAndOldOnesRefreshedOnce()
{
    const QString general = SupportPaths::metadataFolder() + "/Polymetra";
    QVERIFY(QFile::remove(general));
    launch();
    QVERIFY(QFile::exists(general));

    {
        QFile stale(general);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("stale");
    }
    launch();
    QCOMPARE(fileBytes(general), QByteArray("stale"));
    UserDefaults().setInteger(DefaultsKeys::metaVersion, 150);
    launch();
    QVERIFY(fileBytes(general).startsWith("{\\rtf1"));
}

void TapeFilesTest::clearAllTapesDoesNothingOnCancel()
{
    calculateCircleRadius(QStringLiteral("2"));
    const QByteArray saved = fileBytes(circleTape());
    m_app->alerts().setAnswer(AlertPresenter::DefaultButton);
    m_app->window().clearAllTapesAction()->trigger();

    QCOMPARE(m_app->alerts().alerts().size(), 1);
    const AlertPresenter::Alert& alert = m_app->alerts().alerts().first();
    QCOMPARE(alert.title, QString("Clear all tapes!"));
    QCOMPARE(alert.message,
             QString("Are you aure you want to clear all tapes? This can not be undone."));
    QCOMPARE(alert.defaultButton, QString("Cancel"));
    QCOMPARE(alert.alternateButton, QString("Clear all tapes"));
    QCOMPARE(fileBytes(circleTape()), saved);
    QVERIFY(!m_app->window().tapeTextView()->toPlainText().isEmpty());
}

void TapeFilesTest::clearAllTapesLeavesFifteenEmptyTapesOnConfirm()
{
    calculateCircleRadius(QStringLiteral("2"));
    m_app->alerts().setAnswer(AlertPresenter::AlternateButton);
    m_app->window().clearAllTapesAction()->trigger();

    const QStringList tapes = QDir(SupportPaths::tapesFolder()).entryList(QDir::Files);
    QCOMPARE(tapes.size(), 15);
    QVERIFY(!fileBytes(circleTape()).contains("Radius"));
    QVERIFY(m_app->window().tapeTextView()->toPlainText().isEmpty());
}

void TapeFilesTest::clearingTheTapeWritesAnEmptyTapeEvenWithTheDrawerClosed()
{
    calculateCircleRadius(QStringLiteral("2"));
    UserDefaults().setInteger(DefaultsKeys::tapeDrawerState, 2);
    QTest::mouseClick(m_app->window().tapePanel()->clearTapeButton(), Qt::LeftButton);
    const QByteArray empty = fileBytes(circleTape());
    QVERIFY(empty.startsWith("{\\rtf1"));
    QVERIFY(!empty.contains("Radius"));
    QVERIFY(m_app->window().tapeTextView()->toPlainText().isEmpty());
    QCOMPARE(UserDefaults().stringForKey(DefaultsKeys::topTab), QString("2D"));
}

void TapeFilesTest::aReadOnlyTapesFolderKeepsTheOldFileAndTheResult()
{
    calculateCircleRadius(QStringLiteral("2"));
    const QByteArray saved = fileBytes(circleTape());
    if (!setFolderWritable(SupportPaths::tapesFolder(), false))
        QSKIP("this file system cannot make a folder read-only");
    calculateCircleRadius(QStringLiteral("3"));
    QVERIFY(setFolderWritable(SupportPaths::tapesFolder(), true));
    auto* circle = m_app->window().calculator(QStringLiteral("Circle"));
    QCOMPARE(circle->fieldByOutlet("diameterTextField")->text(), QString("6"));
    QCOMPARE(fileBytes(circleTape()), saved);
}

void TapeFilesTest::tapesAreClearedAtQuitWhenAsked()
{
    calculateCircleRadius(QStringLiteral("2"));
    UserDefaults().setBool(DefaultsKeys::autoDeleteTapes, true);
    m_app->app().applicationWillTerminate();
    QCOMPARE(QDir(SupportPaths::tapesFolder()).entryList(QDir::Files).size(), 15);
    QVERIFY(!fileBytes(circleTape()).contains("Radius"));
}

QTEST_MAIN(TapeFilesTest)
#include "tst_TapeFiles.moc"
