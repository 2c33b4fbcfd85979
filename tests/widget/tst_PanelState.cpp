#include "widget/ShellTest.h"

#include "app/Controller.h"
#include "app/MainWindow.h"
#include "app/PanelState.h"
#include "app/PreferencesDialog.h"
#include "core/TapeView.h"
#include "core/UserDefaults.h"

#include <QDockWidget>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

// The three panels through the real window: the toggles and the edge rules, tape entries
// only while the tape is open, what a restart restores, and stored sizes.
class PanelStateTest : public ShellTest {
    Q_OBJECT
private slots:
    void panelsFollowTheTogglesAndTheEdgeRules_data()
    {
        // After a first launch, where every panel is open and the tape is at the left.
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("open");
        QTest::addColumn<QList<int>>("stored"); // info, tape, graphics
        QTest::addColumn<QString>("edge");
        QTest::addColumn<bool>("entries"); // whether a calculation then goes on the tape
        const auto row = [](const char* name, const char* actions, const char* open,
                            const QList<int>& stored, const char* edge, bool entries) {
            QTest::newRow(name) << QString(actions).split(' ') << QString(open).split(' ') << stored
                                << QString(edge) << entries;
        };
        row("info closes", "info", "tape graphics", {2, 1, 1}, "Left", true);
        row("info opening closes a left tape", "info info", "info graphics", {1, 2, 1}, "Left",
            false);
        row("a left tape opening closes info", "info info tape", "tape graphics", {2, 1, 1}, "Left",
            true);
        // Until termination the tape's toggle stores 0.
        row("tape closes", "tape", "info graphics", {1, 0, 1}, "Left", false);
        row("tape reopens", "tape tape", "tape graphics", {2, 1, 1}, "Left", true);
        row("a bottom tape shares no edge with info", "bottom info info", "info tape graphics",
            {1, 1, 1}, "Bottom", true);
        row("closed panels stay closed over a restart", "graphics tape relaunch", "info", {1, 2, 2},
            "Left", false);
    }
    void panelsFollowTheTogglesAndTheEdgeRules()
    {
        QFETCH(QStringList, actions);
        QFETCH(QStringList, open);
        QFETCH(QString, edge);
        for (const QString& action : actions) {
            if (action == "info")
                controller().toggleInfoDrawer();
            else if (action == "tape")
                controller().toggleTapeDrawer();
            else if (action == "graphics")
                controller().toggleGraphicsDrawer();
            else if (action == "relaunch")
                QVERIFY(relaunch());
            else if (action == "bottom") {
                controller().openPreferencesSheet();
                QVERIFY(QTest::qWaitForWindowExposed(controller().preferencesSheet()));
                QTest::mouseClick(controller().preferencesSheet()->edgeButton(TapeEdge::Bottom),
                                  Qt::LeftButton);
                controller().cancelPreferencesSheet();
            }
        }
        QStringList shown;
        if (!window().infoDrawer()->isHidden())
            shown << "info";
        if (!window().tapeDrawer()->isHidden())
            shown << "tape";
        if (!window().graphicsDrawer()->isHidden())
            shown << "graphics";
        QCOMPARE(shown, open);
        const UserDefaults defaults;
        QTEST((QList<int>{defaults.integerForKey(DefaultsKeys::drawerState),
                          defaults.integerForKey(DefaultsKeys::tapeDrawerState),
                          defaults.integerForKey(DefaultsKeys::graphicsDrawerState)}),
              "stored");
        QCOMPARE(defaults.stringForKey(DefaultsKeys::tapeDrawerEdge), edge);
        if (open.contains("tape"))
            QCOMPARE(window().dockWidgetArea(window().tapeDrawer()),
                     edge == "Bottom" ? Qt::BottomDockWidgetArea : Qt::LeftDockWidgetArea);

        window().selectShape("Circle");
        calculate("Circle", {"radiusTextField=1"});
        QTEST(window().tapeTextView()->toPlainText().contains("Radius: 1"), "entries");
    }
    void storedSizesAreRestoredWithinTheScreen_data()
    {
        QTest::addColumn<QString>("edge");
        QTest::addColumn<int>("stored");    // each tape and graphics size
        QTest::addColumn<int>("infoWidth"); // stored apart, a size that cannot be used
        // Panels on one edge share its depth, so the tape sits at the bottom with the graphics.
        QTest::newRow("usable sizes") << "Bottom" << 200 << 240;
        QTest::newRow("sizes out of range") << "Left" << 2147483647 << -5;
        // Dragged down to slivers: each opens at its default size.
        QTest::newRow("squeezed panels") << "Bottom" << 88 << 88;
    }
    void storedSizesAreRestoredWithinTheScreen()
    {
        QFETCH(QString, edge);
        QFETCH(int, stored);
        QFETCH(int, infoWidth);
        quit();
        UserDefaults defaults;
        defaults.setString(DefaultsKeys::tapeDrawerEdge, edge);
        for (const QString& key : {DefaultsKeys::tapeDrawerWidth, DefaultsKeys::tapeDrawerHeight,
                                   DefaultsKeys::graphicsDrawerHeight})
            defaults.setInteger(key, stored);
        defaults.setInteger(DefaultsKeys::drawerWidth, infoWidth);
        QVERIFY(launch());
        const QSize screen = window().screen()->availableGeometry().size();
        QVERIFY(defaults.integerForKey(DefaultsKeys::tapeDrawerWidth) <= screen.width());
        QVERIFY(defaults.integerForKey(DefaultsKeys::tapeDrawerHeight) <= screen.height());
        QWidget* graphics = window().graphicsDrawer()->widget();
        const auto usable = [](int size, int fallback) {
            return size < PanelState::minimumUsableSize ? fallback : size;
        };
        if (infoWidth > 0) {
            QTRY_COMPARE(graphics->height(), usable(stored, PanelState::defaultGraphicsHeight));
            QTRY_COMPARE(window().infoDrawer()->widget()->width(),
                         usable(infoWidth, PanelState::defaultDrawerWidth));
        }
        for (QDockWidget* panel : {window().infoDrawer(), window().tapeDrawer()}) {
            if (window().dockWidgetArea(panel) == Qt::LeftDockWidgetArea)
                QVERIFY(panel->widget()->width() > 0 && panel->widget()->width() <= screen.width());
        }
        QVERIFY(graphics->height() > 0 && graphics->height() <= screen.height());

        // The user drags the panel smaller; the next launch restores that size.
        const int before = graphics->height();
        window().resizeDocks({window().graphicsDrawer()}, {before - 10}, Qt::Vertical);
        QTRY_VERIFY(window().graphicsDrawer()->widget()->height() < before);
        const int resized = window().graphicsDrawer()->widget()->height();
        QVERIFY(relaunch());
        QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::graphicsDrawerHeight), resized);
        QTRY_COMPARE(window().graphicsDrawer()->widget()->height(), resized);
    }
};

QTEST_MAIN(PanelStateTest)
#include "tst_PanelState.moc"
