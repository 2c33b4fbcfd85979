#include "widget/ShellTest.h"

#include "app/Controller.h"
#include "app/MainWindow.h"
#include "app/PreferencesDialog.h"
#include "core/NotificationHub.h"
#include "core/NumberFormatter.h"
#include "core/ShapeCalculator.h"
#include "core/TextField.h"
#include "core/UserDefaults.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

// The preferences through the real dialog: what is stored when, what acts at once, and
// the window kept from input while the dialog is open.
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
