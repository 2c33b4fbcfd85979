#include "widget/ShellTest.h"

#include "app/Controller.h"
#include "app/GraphicsPanel.h"
#include "app/MainWindow.h"
#include "app/MyTabView.h"
#include "cli/CalculationRun.h"
#include "cli/TapeAppender.h"
#include "core/Notices.h"
#include "core/NumberFormatter.h"
#include "core/SupportPaths.h"
#include "core/TapeView.h"
#include "core/UserDefaults.h"
#include "render/Render2DView.h"
#include "shapes2d/CircleSolver.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTabBar>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// Faults that used to lose or mix up tapes: switching shapes over a relaunch, files that
// cannot be read or written, and damaged settings.
class TapeIntegrityTest : public ShellTest {
    Q_OBJECT
private slots:
    void theShownShapeAlwaysOwnsTheTape_data()
    {
        QTest::addColumn<QStringList>("shownBefore"); // selected in order before the relaunch
        QTest::addColumn<QString>("storedTopTab");    // written over "TopTab" before the relaunch
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const QStringList& shownBefore, const char* topTab,
                            const char* action, const char* expected) {
            QTest::newRow(name) << shownBefore << QString(topTab) << QString(action)
                                << QString(expected);
        };
        const QStringList solidLast{"Circle", "Cone"}, planeLast{"Cone", "Circle"};
        row("solid at launch, mouse on 2D", solidLast, "", "click 2D", "Circle");
        row("plane figure at launch, mouse on 3D", planeLast, "", "click 3D", "Cone");
        row("solid at launch, keyboard to 2D", solidLast, "", "key left", "Circle");
        row("plane figure at launch, keyboard to 3D", planeLast, "", "key right", "Cone");
        row("solid at launch, a plane figure's tape opened", {"Cone"}, "", "open Circle Tape",
            "Circle");
        row("unknown top tab at launch", solidLast, "XY", "", "Circle");
    }
    void theShownShapeAlwaysOwnsTheTape()
    {
        QFETCH(QStringList, shownBefore);
        QFETCH(QString, storedTopTab);
        QFETCH(QString, action);
        QFETCH(QString, expected);

        for (const QString& shape : shownBefore)
            window().selectShape(shape);
        // The tape on show before the relaunch has an entry of its own.
        calculate(QStringLiteral("Cone"), {"radiusTextField=3", "HeigthHTextField=4"});
        if (!storedTopTab.isEmpty())
            UserDefaults().setString(DefaultsKeys::topTab, storedTopTab);
        QVERIFY(relaunch());

        if (action.startsWith("click "))
            clickTab(action.endsWith("D") ? window().topTabView() : window().d3TabView(),
                     action.mid(6));
        else if (action.startsWith("key "))
            QTest::keyClick(window().topTabView()->tabBar(),
                            action.endsWith("left") ? Qt::Key_Left : Qt::Key_Right);
        else if (action.startsWith("open "))
            controller().openFile(tape(action.mid(5).section(' ', 0, 0)));

        QCOMPARE(window().selectedShape(), expected);
        QCOMPARE(window().changeLabelText()->text(), expected);
        QCOMPARE(window().tapeTextView()->heldShape(), expected);
        const bool plane = expected == "Circle";
        QCOMPARE(window().graphicsPanel()->figureView() == window().render2DView()->parentWidget(),
                 plane);

        calculate(expected, plane ? QStringList{"radiusTextField=2"}
                                  : QStringList{"radiusTextField=3", "HeigthHTextField=4"});
        QVERIFY(alerts().alerts().isEmpty());
        // The entry is on the shown shape's tape, in the view and in its file, and on no other.
        const QString entry = plane ? "Radius: 2" : "Height: 4";
        QVERIFY(window().tapeTextView()->toPlainText().contains(entry));
        QCOMPARE(bytes(tape(expected)).count("Slant Height"), plane ? 0 : 2);
        QCOMPARE(bytes(tape("Cone")).count("Slant Height"), plane ? 1 : 2);
        QVERIFY(!bytes(tape(plane ? "Cone" : "Circle")).contains("Radius: 2"));
    }
    void anUnreadableTapeIsMovedAsideNeverOverwritten_data()
    {
        QTest::addColumn<QString>("fault");
        for (const char* fault : {"garbage", "empty", "over the size cap", "a folder",
                                  "a link to a file elsewhere", "a FIFO"})
            QTest::newRow(fault) << QString(fault);
    }
    void anUnreadableTapeIsMovedAsideNeverOverwritten()
    {
        QFETCH(QString, fault);
        const QString path = tape("Circle");
        const QString elsewhere = QDir::homePath() + "/elsewhere.rtf";
        const QByteArray outside = "{\\rtf1 not the program's own file}";
        {
            QFile file(elsewhere);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(outside);
        }
        calculate(QStringLiteral("Square"), {"sideATextField=1"}); // another tape on show
        QVERIFY(QFile::remove(path));
        QByteArray original;
        if (fault == "garbage") {
            original = "GIF89a\x01\x02 not a tape";
        } else if (fault == "over the size cap") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(65 * 1024 * 1024)); // sparse: nothing is really written
        } else if (fault == "a folder") {
            QVERIFY(QDir().mkdir(path));
        } else if (fault == "a link to a file elsewhere") {
            QVERIFY(QFile::link(elsewhere, path));
        } else if (fault == "a FIFO") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        if (fault == "garbage" || fault == "empty") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(original);
        }

        window().selectShape(QStringLiteral("Circle"));

        const QString aside = path + ".unreadable-" + QDate::currentDate().toString(Qt::ISODate);
        QCOMPARE(Notices::instance().history().size(), 1);
        QVERIFY2(Notices::instance().history().constFirst().contains(aside),
                 qPrintable(Notices::instance().history().constFirst()));
        QVERIFY(window().noticeLine()->text().contains(aside));
        QCOMPARE(window().tapeTextView()->heldShape(), QString("Circle"));
        QVERIFY(window().tapeTextView()->toPlainText().isEmpty());

        calculate(QStringLiteral("Circle"), {"radiusTextField=2"});
        const QByteArray fresh = bytes(path);
        QVERIFY(fresh.startsWith("{\\rtf1") && fresh.contains("Radius: 2"));
        QVERIFY(!fresh.contains("Side"));
        // Whatever was there is where the message said, unchanged.
        const QFileInfo moved(aside);
        QCOMPARE(moved.isSymLink(), fault == "a link to a file elsewhere");
        QCOMPARE(moved.isDir(), fault == "a folder");
        if (fault == "garbage" || fault == "empty")
            QCOMPARE(bytes(aside), original);
        if (fault == "over the size cap")
            QCOMPARE(moved.size(), qint64(65 * 1024 * 1024));
        QCOMPARE(bytes(elsewhere), outside);

        // Clearing every tape clears the tapes, not what was set aside for the user.
        alerts().setAnswer(AlertPresenter::AlternateButton);
        window().clearAllTapesAction()->trigger();
        alerts().setAnswer(AlertPresenter::DefaultButton);
        QVERIFY(window().tapeTextView()->toPlainText().isEmpty());
        QVERIFY(QFileInfo(aside).exists() || QFileInfo(aside).isSymLink());
    }
    void aTapeThatCannotBeWrittenKeepsItsOldFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("the disk fills up") << "size limit";
        QTest::newRow("the tape was replaced by a link") << "link";
        QTest::newRow("the tapes folder is read-only") << "read-only";
    }
    void aTapeThatCannotBeWrittenKeepsItsOldFile()
    {
        QFETCH(QString, fault);
        window().selectShape(QStringLiteral("Circle"));
        calculate(QStringLiteral("Circle"), {"radiusTextField=2"});
        const QString path = tape("Circle");
        const QByteArray before = bytes(path);
        QVERIFY(before.contains("Radius: 2"));

        const QString elsewhere = QDir::homePath() + "/elsewhere.rtf";
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        if (fault == "link") {
            QVERIFY(QFile::copy(path, elsewhere));
            QVERIFY(QFile::remove(path));
            QVERIFY(QFile::link(elsewhere, path));
        } else if (fault == "read-only") {
            if (!setFolderWritable(SupportPaths::tapesFolder(), false))
                QSKIP("this file system cannot make a folder read-only");
        } else {
            // Writes past a few bytes fail as on a full disk, but only once they leave the
            // save file's buffer: the case that a commit without a checked flush misses.
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit tiny = saved;
            tiny.rlim_cur = 64;
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
        }
        calculate(QStringLiteral("Circle"), {"radiusTextField=3"});
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &saved), 0);
        if (fault == "read-only")
            QVERIFY(setFolderWritable(SupportPaths::tapesFolder(), true));

        QVERIFY(window().tapeTextView()->toPlainText().contains("Radius: 3"));
        QCOMPARE(Notices::instance().history().size(), 1);
        QVERIFY(Notices::instance().history().constFirst().contains(path));
        QCOMPARE(bytes(fault == "link" ? elsewhere : path), before);
        QCOMPARE(QFileInfo(path).isSymLink(), fault == "link");
    }
    void supportFilesThatCannotBeWrittenAreReportedAndRetried()
    {
        startOverOnNewHome();
        const QString blocked = SupportPaths::metadataFolder() + "/Polymetra Circle";
        QVERIFY(QDir().mkpath(blocked)); // a folder where a file must go
        QVERIFY(launch());
        QCOMPARE(Notices::instance().history().size(), 1);
        QVERIFY(Notices::instance().history().constFirst().contains(blocked));
        QVERIFY(UserDefaults().integerForKey(DefaultsKeys::metaVersion) < 200);

        QVERIFY(QDir(blocked).removeRecursively());
        QVERIFY(relaunch());
        QVERIFY(QFileInfo(blocked).isFile());
        QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::metaVersion), 200);
    }
    void entriesAddedFromTheCommandLineAreKept()
    {
        // The window holds the circle's tape while polymetra-cli --tape adds to its file.
        startOverOnNewHome();
        QVERIFY(launch());
        calculate(QStringLiteral("Circle"), {"radiusTextField=2"});
        const CalculationRun::Result fromScript =
            CalculationRun::run(CircleSolver::fieldTable(), {"5", "", "", ""}, NumberFormatter());
        QString error;
        QVERIFY2(TapeAppender::append(CircleSolver::fieldTable(), fromScript, &error),
                 qPrintable(error));
        calculate(QStringLiteral("Circle"), {"radiusTextField=3"});

        const QString text = window().tapeTextView()->toPlainText();
        const qsizetype two = text.indexOf("Radius: 2");
        const qsizetype five = text.indexOf("Radius: 5");
        QVERIFY2(two >= 0 && five > two && text.indexOf("Radius: 3") > five, qPrintable(text));
        QCOMPARE(bytes(tape("Circle")).count("Radius: "), 3);
    }

private:
    static bool setFolderWritable(const QString& path, bool writable)
    {
        // Permissions do not bind root; the immutable attribute does.
        if (geteuid() == 0)
            return QProcess::execute("chattr", {writable ? "-i" : "+i", path}) == 0;
        const QFile::Permissions readable = QFile::ReadOwner | QFile::ExeOwner;
        return QFile::setPermissions(path, writable ? readable | QFile::WriteOwner : readable);
    }
    static QString tape(const QString& shape) { return SupportPaths::tapeFilePath(shape); }
};

QTEST_MAIN(TapeIntegrityTest)
#include "tst_TapeIntegrity.moc"
