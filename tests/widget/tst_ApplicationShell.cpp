#include "widget/ShellTest.h"

#include "app/GraphicsPanel.h"
#include "app/MainWindow.h"
#include "app/MyTabView.h"
#include "app/ShapeCatalog.h"
#include "app/SingleInstance.h"
#include "core/NotificationHub.h"
#include "core/SupportPaths.h"
#include "core/TapeView.h"
#include "core/UserDefaults.h"

#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

// Launch and navigation through the real window, and the hand-over to a running program.
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
};

QTEST_MAIN(ApplicationShellTest)
#include "tst_ApplicationShell.moc"
