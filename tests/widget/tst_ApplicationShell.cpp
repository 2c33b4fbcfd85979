#include "support/AppFixture.h"

#include "app/Controller.h"
#include "app/GraphicsPanel.h"
#include "app/MainWindow.h"
#include "app/MyTabView.h"
#include "app/PreferencesDialog.h"
#include "app/ShapeCatalog.h"
#include "app/SingleInstance.h"
#include "core/NotificationHub.h"
#include "core/NumberFormatter.h"
#include "core/SupportPaths.h"
#include "core/TapeView.h"
#include "core/TextField.h"
#include "core/UserDefaults.h"

#include <QApplication>
#include <QCheckBox>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

#include <memory>

// Navigation, panels, preferences and opened files, through the real window.
class ApplicationShellTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void aFirstLaunchShowsTheDefaultShapeWithEveryPanelOpen();
    void clickingATabLoadsItsShapeOnce();
    void clickingTheSelectedTabChangesNothing();
    void everyShapeShowsItsDescriptionAndPicture();
    void theStoredSelectionIsRestoredAtLaunch();
    void theInfoPanelAndALeftTapeNeverShareTheEdge();
    void closingTheTapeStopsTapeEntriesUntilItReopens();
    void theTapeCanMoveToTheBottomEdge();
    void preferencesAreStoredOnOkOnly_data();
    void preferencesAreStoredOnOkOnly();
    void theFadePreferenceActsAtOnce();
    void openingAFileSelectsItsShape_data();
    void openingAFileSelectsItsShape();
    void aSecondLaunchHandsItsFilesToTheFirst();
    void panelStatesAndSizesSurviveARestart();
    void panelSizesSurviveARestart();

private:
    MainWindow& window() { return m_app->window(); }
    Controller& controller() { return m_app->controller(); }
    // A check box takes clicks on its box and label only, not on its stretched width.
    static void clickBox(QCheckBox* box)
    {
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
    }

    std::unique_ptr<AppFixture> m_app;
};

void ApplicationShellTest::init()
{
    m_app = std::make_unique<AppFixture>();
}

void ApplicationShellTest::cleanup()
{
    m_app.reset();
}

void ApplicationShellTest::aFirstLaunchShowsTheDefaultShapeWithEveryPanelOpen()
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
}

void ApplicationShellTest::clickingATabLoadsItsShapeOnce()
{
    QWidget* planeView = window().graphicsPanel()->figureView();
    QSignalSpy drawn3D(&NotificationHub::instance(), &NotificationHub::calculateAndDraw3DFigures);
    AppFixture::clickTab(window().topTabView(), "3D");
    AppFixture::clickTab(window().d3TabView(), "Cone");

    const UserDefaults defaults;
    QCOMPARE(window().selectedShape(), QString("Cone"));
    QCOMPARE(window().changeLabelText()->text(), QString("Cone"));
    QCOMPARE(defaults.stringForKey(DefaultsKeys::topTab), QString("3D"));
    QCOMPARE(defaults.stringForKey(DefaultsKeys::bottomTab3D), QString("Cone"));
    QVERIFY(window().graphicsPanel()->figureView() != planeView);
    // Once for the family's default solid, once for the cone.
    QCOMPARE(drawn3D.count(), 2);

    AppFixture::clickTab(window().topTabView(), "2D");
    QCOMPARE(window().graphicsPanel()->figureView(), planeView);
    QCOMPARE(window().selectedShape(), QString("Ellipse"));
}

void ApplicationShellTest::clickingTheSelectedTabChangesNothing()
{
    AppFixture::clickTab(window().d2TabView(), "Circle");
    QSignalSpy drawn(&NotificationHub::instance(), &NotificationHub::calculateAndDraw2DFigures);
    AppFixture::clickTab(window().d2TabView(), "Circle");
    QTest::mouseDClick(window().d2TabView()->tabBar(), Qt::LeftButton, Qt::NoModifier,
                       window().d2TabView()->tabBar()->tabRect(1).center());
    QCOMPARE(drawn.count(), 0);
}

void ApplicationShellTest::everyShapeShowsItsDescriptionAndPicture()
{
    for (const ShapeEntry& shape : ShapeCatalog::shapes()) {
        const QString name = QString::fromLatin1(shape.name);
        MyTabView* family = window().tabViewFor(shape.dimension);
        AppFixture::clickTab(window().topTabView(), family == window().d2TabView() ? "2D" : "3D");
        AppFixture::clickTab(family, name);
        QCOMPARE(window().selectedShape(), name);
        const QString info = window().changeDrawerText()->toPlainText();
        QVERIFY2(info.startsWith(name + "\n"), qPrintable(name));
        QVERIFY2(info.size() > 200, qPrintable(name));
        QVERIFY2(!QPixmap(QStringLiteral(":/") + QLatin1String(shape.dockPicture)).isNull(),
                 qPrintable(name));
        QVERIFY(QFile::exists(SupportPaths::metadataFolder() + "/Polymetra " + name));
    }
}

void ApplicationShellTest::theStoredSelectionIsRestoredAtLaunch()
{
    UserDefaults defaults;
    defaults.setString(DefaultsKeys::topTab, "3D");
    defaults.setString(DefaultsKeys::bottomTab3D, "Sphere");
    defaults.setString(DefaultsKeys::bottomTab2D, "Triangle");
    m_app->relaunch();
    QCOMPARE(window().selectedShape(), QString("Sphere"));
    QCOMPARE(window().changeLabelText()->text(), QString("Sphere"));
    QCOMPARE(window().d2TabView()->selectedIdentifier(), QString("Triangle"));
}

void ApplicationShellTest::theInfoPanelAndALeftTapeNeverShareTheEdge()
{
    controller().toggleInfoDrawer(); // closes it
    QVERIFY(window().infoDrawer()->isHidden());
    QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::drawerState), 2);

    controller().toggleInfoDrawer(); // opens it, so the left tape goes
    QVERIFY(!window().infoDrawer()->isHidden());
    QVERIFY(window().tapeDrawer()->isHidden());
    QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::tapeDrawerState), 2);

    controller().toggleTapeDrawer(); // the tape comes back and the info panel goes
    QVERIFY(!window().tapeDrawer()->isHidden());
    QVERIFY(window().infoDrawer()->isHidden());
    QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::drawerState), 2);
    QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::tapeDrawerState), 1);
}

void ApplicationShellTest::closingTheTapeStopsTapeEntriesUntilItReopens()
{
    window().selectShape("Circle");
    ShapeCalculator* circle = window().calculator("Circle");
    controller().toggleTapeDrawer();
    QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::tapeDrawerState), 0);
    circle->fieldByOutlet("radiusTextField")->setText("1");
    QTest::mouseClick(circle->calculateButton(), Qt::LeftButton);
    QVERIFY(window().tapeTextView()->toPlainText().isEmpty());

    QTest::mouseClick(circle->clearButton(), Qt::LeftButton);
    controller().toggleTapeDrawer();
    circle->fieldByOutlet("radiusTextField")->setText("1");
    QTest::mouseClick(circle->calculateButton(), Qt::LeftButton);
    QVERIFY(window().tapeTextView()->toPlainText().contains("Radius: 1"));
}

void ApplicationShellTest::theTapeCanMoveToTheBottomEdge()
{
    controller().openPreferencesSheet();
    QVERIFY(QTest::qWaitForWindowExposed(controller().preferencesSheet()));
    QTest::mouseClick(controller().preferencesSheet()->edgeButton(PreferencesDialog::BottomEdge),
                      Qt::LeftButton);
    QCOMPARE(window().dockWidgetArea(window().tapeDrawer()), Qt::BottomDockWidgetArea);
    QVERIFY(!window().tapeDrawer()->isHidden());
    QCOMPARE(UserDefaults().stringForKey(DefaultsKeys::tapeDrawerEdge), QString("Bottom"));
    QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::tapeDrawerState), 1);
    // At the bottom the tape no longer competes with the info panel.
    controller().toggleInfoDrawer();
    controller().toggleInfoDrawer();
    QVERIFY(!window().tapeDrawer()->isHidden());
}

void ApplicationShellTest::preferencesAreStoredOnOkOnly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shownForPi");
    QTest::newRow("ok with four places") << "4" << true << "4"
                                         << "3.1416";
    QTest::newRow("ok with an empty field stores zero") << "" << true << "0"
                                                        << "3";
    QTest::newRow("cancel stores nothing") << "7" << false << "2"
                                           << "3.14";
}

void ApplicationShellTest::preferencesAreStoredOnOkOnly()
{
    QFETCH(QString, typed);
    QFETCH(bool, ok);
    QFETCH(QString, stored);
    QFETCH(QString, shownForPi);

    controller().openPreferencesSheet();
    PreferencesDialog* sheet = controller().preferencesSheet();
    QVERIFY(QTest::qWaitForWindowExposed(sheet));
    QCOMPARE(sheet->decimalPlacesTextField()->text(), QString("2"));
    sheet->decimalPlacesTextField()->selectAll();
    QTest::keyClick(sheet->decimalPlacesTextField(), Qt::Key_Backspace);
    QTest::keyClicks(sheet->decimalPlacesTextField(), typed);
    QCOMPARE(sheet->decimalPlacesStepper()->value(), typed.toInt());
    clickBox(sheet->autoClearTapesCheckbox());
    QTest::mouseClick(ok ? sheet->okButton() : sheet->cancelButton(), Qt::LeftButton);

    QVERIFY(!sheet->isVisible());
    QCOMPARE(UserDefaults().stringForKey(DefaultsKeys::decimalPlaces), stored);
    QCOMPARE(UserDefaults().boolForKey(DefaultsKeys::autoDeleteTapes), ok);
    QCOMPARE(NumberFormatter::shared().correctlyFormatTheString(3.14159265358979), shownForPi);
}

void ApplicationShellTest::theFadePreferenceActsAtOnce()
{
    QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::fade3DGridPreference), 0);
    controller().openPreferencesSheet();
    QVERIFY(QTest::qWaitForWindowExposed(controller().preferencesSheet()));
    QCheckBox* fade = controller().preferencesSheet()->fade3DGridPreferenceCheckbox();
    QVERIFY(fade->isChecked());
    QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::fade3DGridPreference), 2);
    QSignalSpy drawn(&NotificationHub::instance(), &NotificationHub::calculateAndDraw3DFigures);
    clickBox(fade);
    QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::fade3DGridPreference), 1);
    QCOMPARE(drawn.count(), 1);
    QTest::mouseClick(controller().preferencesSheet()->cancelButton(), Qt::LeftButton);
    QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::fade3DGridPreference), 1);
}

void ApplicationShellTest::openingAFileSelectsItsShape_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("infoOpen");
    QTest::addColumn<bool>("tapeOpen");
    QTest::newRow("a tape file") << "/anywhere/Cone Tape"
                                 << "Cone" << false << true;
    QTest::newRow("a metadata file") << "/anywhere/Polymetra Trapezium"
                                     << "Trapezium" << true << false;
    QTest::newRow("the general metadata file is ignored") << "/anywhere/Polymetra"
                                                          << "Ellipse" << false << false;
    QTest::newRow("an unknown tape only opens the panel") << "/anywhere/Blob Tape"
                                                          << "Ellipse" << false << true;
}

void ApplicationShellTest::openingAFileSelectsItsShape()
{
    QFETCH(QString, path);
    QFETCH(QString, selected);
    QFETCH(bool, infoOpen);
    QFETCH(bool, tapeOpen);
    window().infoDrawer()->hide();
    window().tapeDrawer()->hide();
    controller().openFile(path);
    QCOMPARE(window().selectedShape(), selected);
    QCOMPARE(!window().infoDrawer()->isHidden(), infoOpen);
    QCOMPARE(!window().tapeDrawer()->isHidden(), tapeOpen);
}

void ApplicationShellTest::aSecondLaunchHandsItsFilesToTheFirst()
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

void ApplicationShellTest::panelStatesAndSizesSurviveARestart()
{
    controller().toggleGraphicsDrawer();
    controller().toggleTapeDrawer();
    m_app->relaunch();
    QVERIFY(window().graphicsDrawer()->isHidden());
    QVERIFY(window().tapeDrawer()->isHidden());
    QVERIFY(!window().infoDrawer()->isHidden());
    QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::tapeDrawerState), 2);
    QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::graphicsDrawerState), 2);
}

void ApplicationShellTest::panelSizesSurviveARestart()
{
    m_app->terminate();
    UserDefaults defaults;
    // Panels on one edge share its depth, so the tape sits at the bottom with the graphics.
    defaults.setString(DefaultsKeys::tapeDrawerEdge, "Bottom");
    defaults.setInteger(DefaultsKeys::tapeDrawerHeight, 200);
    defaults.setInteger(DefaultsKeys::graphicsDrawerHeight, 200);
    defaults.setInteger(DefaultsKeys::drawerWidth, 240);
    m_app->launch();
    QTRY_COMPARE(window().graphicsDrawer()->widget()->height(), 200);
    QTRY_COMPARE(window().infoDrawer()->widget()->width(), 240);
    // The user drags the panel smaller; the next launch restores that size.
    window().resizeDocks({window().graphicsDrawer()}, {170}, Qt::Vertical);
    QTRY_VERIFY(window().graphicsDrawer()->widget()->height() < 200);
    const int resized = window().graphicsDrawer()->widget()->height();
    m_app->relaunch();
    QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::graphicsDrawerHeight), resized);
    QTRY_COMPARE(window().graphicsDrawer()->widget()->height(), resized);
}

QTEST_MAIN(ApplicationShellTest)
#include "tst_ApplicationShell.moc"
