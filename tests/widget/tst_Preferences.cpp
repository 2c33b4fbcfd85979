#include "app/Controller.h"
#include "app/MainWindow.h"
#include "app/PanelState.h"
#include "app/PreferencesDialog.h"
#include "core/NotificationHub.h"
#include "core/NumberFormatter.h"
#include "core/ShapeCalculator.h"
#include "core/TapeView.h"
#include "core/TextField.h"
#include "core/UserDefaults.h"
#include "widget/ShellTest.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

// The preferences through the real dialog: what is stored when, what acts at once, and
// the window kept from input while the dialog is open; the three panels: the toggles and
// the edge rules, tape entries only while the tape is open, what a restart restores, and
// stored sizes.
class PreferencesTest : public ShellTest {
    Q_OBJECT
private slots:
    void choicesAreStoredOnOkOnlyButTheFadeActsAtOnce_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("closing");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shownForPi");
        QTest::newRow("ok with four places") << "4" << int(ByOk) << 4 << "3.1416";
        QTest::newRow("ok with an empty field stores zero") << "" << int(ByOk) << 0 << "3";
        QTest::newRow("cancel stores nothing") << "7" << int(ByCancel) << 2 << "3.14";
        QTest::newRow("escape stores nothing") << "7" << int(ByEscape) << 2 << "3.14";
    }
    void choicesAreStoredOnOkOnlyButTheFadeActsAtOnce()
    {
        QFETCH(QString, typed);
        QFETCH(int, closing);
        QFETCH(int, stored);

        QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::fade3DGridPreference), 0);
        PreferencesDialog* sheet = openSheet();
        QVERIFY(sheet);
        QCOMPARE(sheet->decimalPlacesTextField()->text(), QString("2"));
        // The grid fades until the user says otherwise, and a change acts at once.
        QVERIFY(sheet->fade3DGridPreferenceCheckbox()->isChecked());
        QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::fade3DGridPreference), 2);
        QSignalSpy drawn(&NotificationHub::instance(), &NotificationHub::calculateAndDraw3DFigures);
        clickBox(sheet->fade3DGridPreferenceCheckbox());
        QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::fade3DGridPreference), 1);
        QCOMPARE(drawn.count(), 1);
        sheet->decimalPlacesTextField()->selectAll();
        QTest::keyClick(sheet->decimalPlacesTextField(), Qt::Key_Backspace);
        QTest::keyClicks(sheet->decimalPlacesTextField(), typed);
        QCOMPARE(sheet->decimalPlacesStepper()->value(), typed.toInt());
        clickBox(sheet->autoClearTapesCheckbox());
        if (closing == ByEscape)
            QTest::keyClick(sheet->decimalPlacesTextField(), Qt::Key_Escape);
        else
            QTest::mouseClick(closing == ByOk ? sheet->okButton() : sheet->cancelButton(),
                              Qt::LeftButton);

        QVERIFY(!sheet->isVisible());
        QCOMPARE(UserDefaults().stringForKey(DefaultsKeys::decimalPlaces), QString::number(stored));
        QCOMPARE(UserDefaults().boolForKey(DefaultsKeys::autoDeleteTapes), closing == ByOk);
        QTEST(NumberFormatter::shared().correctlyFormatTheString(3.14159265358979), "shownForPi");
        QCOMPARE(UserDefaults().integerForKey(DefaultsKeys::fade3DGridPreference), 1);
    }
    void theWindowTakesNoInputWhileThePreferencesAreOpen()
    {
        window().selectShape(QStringLiteral("Circle"));
        ShapeCalculator* circle = window().calculator(QStringLiteral("Circle"));
        circle->fieldByOutlet("radiusTextField")->setText("2");
        PreferencesDialog* preferences = openSheet();
        QVERIFY(preferences);

        // As after a click into the main window: Return and the menu shortcuts reach it.
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        circle->fieldByOutlet("radiusTextField")->setFocus();
        QTest::keyClick(circle->fieldByOutlet("radiusTextField"), Qt::Key_Return);
        QTest::keyClick(&window(), Qt::Key_K, Qt::ControlModifier);
        QVERIFY(circle->calculateButton()->isEnabled());
        QVERIFY(alerts().alerts().isEmpty());
        QCOMPARE(alerts().beeps(), 0);

        QTest::mouseClick(preferences->okButton(), Qt::LeftButton);
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        circle->fieldByOutlet("radiusTextField")->setFocus();
        QTest::keyClick(circle->fieldByOutlet("radiusTextField"), Qt::Key_Return);
        QVERIFY(!circle->calculateButton()->isEnabled());
    }
    void theLanguageIsStoredForTheNextLaunch_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("picked");
        QTest::addColumn<int>("closing");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* name, const char* before, const char* shown,
                            const char* picked, int closing, const char* after) {
            QTest::newRow(name) << QString(before) << QString(shown) << QString(picked) << closing
                                << QString(after);
        };
        row("a damaged value shows as System", "Klingon", "System", "", ByOk, "System");
        row("Deutsch on OK", "", "System", "Deutsch", ByOk, "de");
        row("cancel keeps the stored one", "fr", "Français", "Español", ByCancel, "fr");
    }
    void theLanguageIsStoredForTheNextLaunch()
    {
        QFETCH(QString, before);
        QFETCH(QString, picked);
        QFETCH(int, closing);
        QFETCH(QString, after);
        UserDefaults().setString(DefaultsKeys::language, before);
        PreferencesDialog* sheet = openSheet();
        QVERIFY(sheet);
        QComboBox* languages = sheet->languageMenu();
        // The languages by their own names, whatever the language in use.
        QStringList names;
        for (int i = 0; i < languages->count(); ++i)
            names << languages->itemText(i);
        QCOMPARE(names, (QStringList{"System", "English", "Deutsch", "Français", "Español"}));
        QTEST(languages->currentText(), "shown");
        if (!picked.isEmpty())
            languages->setCurrentIndex(languages->findText(picked));
        QTest::mouseClick(closing == ByOk ? sheet->okButton() : sheet->cancelButton(),
                          Qt::LeftButton);
        QCOMPARE(UserDefaults().stringForKey(DefaultsKeys::language),
                 closing == ByOk ? after : before);
        QCOMPARE(UserDefaults().language(), LanguageChoice::fromStored(after));
    }
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

private:
    enum Closing { ByOk, ByCancel, ByEscape };
    PreferencesDialog* openSheet()
    {
        window().action(MainWindow::Action::Preferences)->trigger();
        PreferencesDialog* sheet = controller().preferencesSheet();
        return QTest::qWaitForWindowExposed(sheet) ? sheet : nullptr;
    }
    // A check box takes clicks on its box and label only, not on its stretched width.
    static void clickBox(QCheckBox* box)
    {
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
    }
};

QTEST_MAIN(PreferencesTest)
#include "tst_Preferences.moc"
