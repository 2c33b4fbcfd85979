#include "app/Controller.h"
#include "app/GraphicsPanel.h"
#include "app/MainWindow.h"
#include "app/MyTabView.h"
#include "app/ShapeCatalog.h"
#include "app/SingleInstance.h"
#include "core/NotificationHub.h"
#include "core/SupportPaths.h"
#include "core/TapeView.h"
#include "core/TextField.h"
#include "core/UserDefaults.h"
#include "widget/ShellTest.h"

#include <QDateTime>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QSet>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <memory>

// Launch and navigation through the real window, files handed to the program (they select
// their shape and open their panel), and the hand-over to a running program; the shape
// table, the one place a shape is wired, with every row resolving whole.
class ApplicationShellTest : public ShellTest {
    Q_OBJECT
private slots:
    void aFirstLaunchShowsTheDefaultShapeWithEveryPanelOpen()
    {
        const UserDefaults defaults;
        QCOMPARE(window().selectedShape(), QString("Ellipse"));
        QCOMPARE(window().changeLabelText()->text(), QString("Ellipse"));
        QCOMPARE(defaults.stringForKey(DefaultsKeys::topTab), QString("2D"));
        QCOMPARE(defaults.stringForKey(DefaultsKeys::bottomTab2D), QString("Ellipse"));
        QCOMPARE(defaults.stringForKey(DefaultsKeys::bottomTab3D), QString("Rectangular Prism"));
        QCOMPARE(defaults.stringForKey(DefaultsKeys::decimalPlaces), QString("2"));
        QCOMPARE(defaults.stringForKey(DefaultsKeys::tapeDrawerEdge), QString("Left"));
        QCOMPARE(defaults.integerForKey(DefaultsKeys::tapeDrawerHeight), 150);
        QCOMPARE(defaults.integerForKey(DefaultsKeys::tapeDrawerWidth), 180);
        QCOMPARE(defaults.integerForKey(DefaultsKeys::appVersion), 200);
        for (QDockWidget* panel :
             {window().infoDrawer(), window().tapeDrawer(), window().graphicsDrawer()})
            QVERIFY(!panel->isHidden());
        QCOMPARE(window().dockWidgetArea(window().tapeDrawer()), Qt::LeftDockWidgetArea);
        QVERIFY(window().tapeTextView()->toPlainText().isEmpty());
        // Only the shape on show is built before the first paint.
        for (const ShapeEntry& entry : ShapeCatalog::shapes())
            QCOMPARE(window().isBuilt(entry.name), QLatin1String(entry.name) == "Ellipse");
    }
    void clickingATabLoadsItsShapeOnce()
    {
        QWidget* planeView = window().graphicsPanel()->figureView();
        QSignalSpy drawn3D(&NotificationHub::instance(),
                           &NotificationHub::calculateAndDraw3DFigures);
        clickTab(window().topTabView(), "3D");
        clickTab(window().d3TabView(), "Cone");

        const UserDefaults defaults;
        QCOMPARE(window().selectedShape(), QString("Cone"));
        QCOMPARE(window().changeLabelText()->text(), QString("Cone"));
        QCOMPARE(defaults.stringForKey(DefaultsKeys::topTab), QString("3D"));
        QCOMPARE(defaults.stringForKey(DefaultsKeys::bottomTab3D), QString("Cone"));
        QVERIFY(window().graphicsPanel()->figureView() != planeView);
        // Once for the family's default solid, once for the cone.
        QCOMPARE(drawn3D.count(), 2);
        QVERIFY(window().isBuilt("Cone") && window().calculator("Cone")->isVisible());

        clickTab(window().topTabView(), "2D");
        QCOMPARE(window().graphicsPanel()->figureView(), planeView);
        QCOMPARE(window().selectedShape(), QString("Ellipse"));
    }
    void clickingTheSelectedTabChangesNothing()
    {
        clickTab(window().d2TabView(), "Circle");
        QSignalSpy drawn(&NotificationHub::instance(), &NotificationHub::calculateAndDraw2DFigures);
        clickTab(window().d2TabView(), "Circle");
        QTest::mouseDClick(window().d2TabView()->tabBar(), Qt::LeftButton, Qt::NoModifier,
                           window().d2TabView()->tabBar()->tabRect(1).center());
        QCOMPARE(drawn.count(), 0);
    }
    void everyShapeShowsItsDescriptionAndPicture()
    {
        for (const ShapeEntry& shape : ShapeCatalog::shapes()) {
            const QString name = QString::fromLatin1(shape.name);
            MyTabView* family = window().tabViewFor(shape.dimension);
            clickTab(window().topTabView(), family == window().d2TabView() ? "2D" : "3D");
            clickTab(family, name);
            QCOMPARE(window().selectedShape(), name);
            const QString info = window().changeDrawerText()->toPlainText();
            QVERIFY2(info.startsWith(name + "\n"), qPrintable(name));
            QVERIFY2(info.size() > 200, qPrintable(name));
            QVERIFY2(!QPixmap(QStringLiteral(":/") + QLatin1String(shape.dockPicture)).isNull(),
                     qPrintable(name));
            QVERIFY(QFile::exists(SupportPaths::metadataFolder() + "/Polymetra " + name));
        }
    }
    void theStoredSelectionIsRestoredAtLaunch()
    {
        // A settings file as earlier versions wrote it, read afresh.
        quit();
        UserDefaults::closeStore();
        const QString path = QDir::homePath() + "/.config/Polymetra/Polymetra.conf";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[General]\n2DBottomTab=Triangle\n3DBottomTab=Sphere\nTopTab=3D\n"
                   "App%20Version=200\nDrawerState=2\n");
        file.close();
        QVERIFY(launch());
        QCOMPARE(window().selectedShape(), QString("Sphere"));
        QCOMPARE(window().changeLabelText()->text(), QString("Sphere"));
        QCOMPARE(window().d2TabView()->selectedIdentifier(), QString("Triangle"));
        QVERIFY(window().infoDrawer()->isHidden());
        // What the launch stored reaches the file as soon as the event loop has turned.
        QVERIFY(bytes(path).contains("DecimalPlaces=2\n"));

        // A launch that changes nothing leaves the file as it is: it is not rewritten and
        // synced to disk before the window first paints.
        quit();
        UserDefaults::closeStore();
        const QDateTime yesterday = QDateTime::currentDateTimeUtc().addDays(-1);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(yesterday, QFileDevice::FileModificationTime));
        file.close();
        QVERIFY(launch());
        QCoreApplication::processEvents();
        QCOMPARE(QFileInfo(path).lastModified().toSecsSinceEpoch(), yesterday.toSecsSinceEpoch());
    }
    void aSecondLaunchHandsItsFilesToTheFirst()
    {
        const QString name =
            QStringLiteral("polymetra-test-%1").arg(QCoreApplication::applicationPid());
        SingleInstance first(name);
        QVERIFY(!first.handOverOrListen({}));
        QSignalSpy received(&first, &SingleInstance::filesReceived);
        SingleInstance second(name);
        QVERIFY(second.handOverOrListen({"/tmp/Cone Tape"}));
        QVERIFY(received.wait(2000));
        QCOMPARE(received.first().first().toStringList(), QStringList{"/tmp/Cone Tape"});
    }
    void openingAFileSelectsItsShape_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("infoOpen");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("tapeOpen");
        QTest::newRow("one of the user's tapes") << "<tapes>/Cone Tape" << false << "Cone" << true;
        QTest::newRow("a tape from elsewhere leaves the window as it was")
            << "/anywhere/Cone Tape" << false << "Ellipse" << false;
        QTest::newRow("a metadata file")
            << "/anywhere/Polymetra Trapezium" << true << "Trapezium" << false;
        QTest::newRow("a metadata file written in another language")
            << "/anywhere/Polymetra Prisme triangulaire" << true << "Triangular Prism" << false;
        QTest::newRow("the general metadata file is ignored")
            << "/anywhere/Polymetra" << false << "Ellipse" << false;
    }
    void openingAFileSelectsItsShape()
    {
        QFETCH(QString, path);
        path.replace("<tapes>", SupportPaths::tapesFolder());
        window().infoDrawer()->hide();
        window().tapeDrawer()->hide();
        controller().openFile(path);
        QTEST(window().selectedShape(), "selected");
        QTEST(!window().infoDrawer()->isHidden(), "infoOpen");
        QTEST(!window().tapeDrawer()->isHidden(), "tapeOpen");
    }
    void everyRowResolvesCompletely_data()
    {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < ShapeCatalog::shapes().size(); ++i)
            QTest::newRow(ShapeCatalog::shapes()[i].name) << int(i);
    }
    void everyRowResolvesCompletely()
    {
        QFETCH(int, row);
        const ShapeEntry& entry = ShapeCatalog::shapes().at(size_t(row));
        const std::unique_ptr<ShapeCalculator> calculator(entry.createCalculator());
        QCOMPARE(QString(calculator->shapeName()), QString(entry.name));
        QCOMPARE(calculator->dimension(), entry.dimension);
        QCOMPARE(std::holds_alternative<PlaneFigureLayout::Figure>(entry.figure.kind),
                 entry.dimension == ShapeCalculator::Dimension::Plane);
        QVERIFY(!entry.figure.quantities.empty());
        for (const char* outlet : entry.figure.quantities)
            QVERIFY2(calculator->fieldByOutlet(outlet), outlet);
        QVERIFY(calculator->fieldByOutlet(entry.figure.layoutKey));
        QVERIFY(!entry.figure.drawKey || calculator->fieldByOutlet(entry.figure.drawKey));
        QVERIFY(QFile::exists(QStringLiteral(":/%1.rtfd/TXT.rtf").arg(entry.infoResource)));
        QVERIFY(QFile::exists(QStringLiteral(":/%1").arg(entry.dockPicture)));
        QCOMPARE(ShapeCatalog::find(entry.name), &entry);
    }
    void everyFigureKindServesOneShape()
    {
        QSet<QPair<size_t, int>> kinds;
        for (const ShapeEntry& entry : ShapeCatalog::shapes()) {
            const int kind = std::visit([](auto value) { return int(value); }, entry.figure.kind);
            QVERIFY2(!kinds.contains({entry.figure.kind.index(), kind}), entry.name);
            kinds.insert({entry.figure.kind.index(), kind});
        }
        QCOMPARE(kinds.size(), 15);
    }
};

QTEST_MAIN(ApplicationShellTest)
#include "tst_ApplicationShell.moc"
