#include "ScenarioSteps.h"

#include "DrawingSteps.h"
#include "ScenarioKeyboard.h"
#include "ScenarioSession.h"
#include "ScenarioWorking.h"
#include "TapeSteps.h"

#include "app/AppInterface.h"
#include "app/Controller.h"
#include "app/MainWindow.h"
#include "app/MyTabView.h"
#include "app/PreferencesDialog.h"
#include "app/ShapeCatalog.h"
#include "app/TapePanel.h"
#include "core/ShapeCalculator.h"
#include "core/TextField.h"

#include "app/UpdateChecker.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTabBar>

#include <QPushButton>
#include <QTest>

namespace {

void clickCalculate(ScenarioSession& session, const QString&)
{
    if (ShapeCalculator* calculator = session.currentCalculator())
        QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);
}

void clickClear(ScenarioSession& session, Qt::KeyboardModifiers modifiers)
{
    if (ShapeCalculator* calculator = session.currentCalculator())
        QTest::mouseClick(calculator->clearButton(), Qt::LeftButton, modifiers);
}

void clickTab(MyTabView* view, const QString& identifier)
{
    for (int i = 0; i < view->count(); ++i) {
        if (view->identifier(i) == identifier)
            QTest::mouseClick(view->tabBar(), Qt::LeftButton, Qt::NoModifier,
                              view->tabBar()->tabRect(i).center());
    }
}

// A person's clicks: the family's tab on top, then the shape's own tab.
void selectShape(ScenarioSession& session, const QString& shape)
{
    const ShapeEntry* entry = ShapeCatalog::find(shape);
    if (!entry)
        return;
    MainWindow& window = session.window();
    MyTabView* family = window.tabViewFor(entry->dimension);
    clickTab(window.topTabView(),
             family == window.d2TabView() ? QStringLiteral("2D") : QStringLiteral("3D"));
    clickTab(family, shape);
}

// Runs an update check and waits for its outcome (the fetch has its own timeout).
void checkForUpdates(ScenarioSession& session, bool manual)
{
    Controller& controller = session.interface().controller();
    QSignalSpy finished(&controller, &Controller::updateCheckFinished);
    if (manual)
        session.window().action(MainWindow::Action::CheckForUpdates)->trigger();
    else
        controller.autoCheckForUpdates();
    if (finished.isEmpty())
        finished.wait(UpdateChecker::defaultTimeoutMs + 5000);
}

// A paste into the field as the user makes it: the clipboard's text inserted at the end
// of the field's text, judged by the typing filter.
void pasteIntoField(ScenarioSession& session, const QString& argument)
{
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    ShapeCalculator* calculator = session.currentCalculator();
    TextField* field = calculator ? calculator->fieldByOutlet(argument.left(equals)) : nullptr;
    if (!field)
        return;
    QApplication::clipboard()->setText(argument.mid(equals + 1));
    field->setFocus();
    field->end(false);
    field->paste();
}

// Return and Escape typed into the shown calculator, as after a click into the main window;
// any other sequence goes where the keyboard focus is, shortcuts included.
void pressKey(ScenarioSession& session, const QString& key)
{
    ShapeCalculator* calculator = session.currentCalculator();
    if (key != QLatin1String("Return") && key != QLatin1String("Escape")) {
        ScenarioKeyboard::typeSequence(session.window(), calculator, key);
        return;
    }
    if (!calculator)
        return;
    QWidget* target = calculator->focusWidget() ? calculator->focusWidget() : calculator->field(0);
    QTest::keyClick(target, key == QLatin1String("Escape") ? Qt::Key_Escape : Qt::Key_Return);
}

void preferences(ScenarioSession& session, const QString& what)
{
    Controller& controller = session.interface().controller();
    if (what == QLatin1String("open"))
        session.window().action(MainWindow::Action::Preferences)->trigger();
    else
        QTest::mouseClick(what == QLatin1String("ok")
                              ? controller.preferencesSheet()->okButton()
                              : controller.preferencesSheet()->cancelButton(),
                          Qt::LeftButton);
}

void clearAllTapes(ScenarioSession& session, const QString& answer)
{
    session.alerts().setAnswer(answer == QLatin1String("ok") ? AlertPresenter::AlternateButton
                                                             : AlertPresenter::DefaultButton);
    session.window().clearAllTapesAction()->trigger();
    session.alerts().setAnswer(AlertPresenter::DefaultButton);
}

} // namespace

const std::vector<ScenarioStep>& ScenarioSteps::all()
{
    static const std::vector<ScenarioStep> steps =
        ScenarioWorking::appendedTo(
            TapeSteps::appendedTo(
                DrawingSteps::appendedTo({
                    {QStringLiteral("calculate"), false, clickCalculate,
                     QStringLiteral("calculate"), QStringLiteral("clicks Calculate")},
                    {QStringLiteral("clear"), false,
                     [](ScenarioSession& session, const QString&) {
                         clickClear(session, Qt::NoModifier);
                     },
                     QStringLiteral("clear"), QStringLiteral("clicks Clear")},
                    {QStringLiteral("clear-shift"), false,
                     [](ScenarioSession& session, const QString&) {
                         clickClear(session, Qt::ShiftModifier);
                     },
                     QStringLiteral("clear-shift"), QStringLiteral("clicks Clear with Shift held")},
                    {QStringLiteral("clear-tape"), false,
                     [](ScenarioSession& session, const QString&) {
                         QTest::mouseClick(session.window().tapePanel()->clearTapeButton(),
                                           Qt::LeftButton);
                     },
                     QStringLiteral("clear-tape"), QStringLiteral("clicks the tape panel's Clear")},
                    {QStringLiteral("clear-all-tapes"), true, clearAllTapes,
                     QStringLiteral("clear-all-tapes:ok|cancel"),
                     QStringLiteral("Clear All Tapes, answering the sheet")},
                    {QStringLiteral("select"), true, selectShape, QStringLiteral("select:SHAPE"),
                     QStringLiteral("clicks the shape's family tab, then its own")},
                    {QStringLiteral("tab"), true,
                     [](ScenarioSession& session,
                        const QString& top) { clickTab(session.window().topTabView(), top); },
                     QStringLiteral("tab:2D|3D"), QStringLiteral("clicks a family tab")},
                    {QStringLiteral("relaunch"), false,
                     [](ScenarioSession& session, const QString&) { session.relaunch(); },
                     QStringLiteral("relaunch"),
                     QStringLiteral("quits and launches again on the same home")},
                    {QStringLiteral("paste"), true, pasteIntoField,
                     QStringLiteral("paste:OUTLET=TEXT"),
                     QStringLiteral("pastes the text at the end of the field")},
                    {QStringLiteral("key"), true, pressKey, QStringLiteral("key:SEQUENCE"),
                     QStringLiteral(
                         "types Return or Escape into the shown calculator, or any key sequence "
                         "(Ctrl+PgDown, Alt+2, F1) where the focus is")},
                    {QStringLiteral("resize"), true,
                     [](ScenarioSession& session, const QString& size) {
                         ScenarioKeyboard::resize(session.window(), size);
                     },
                     QStringLiteral("resize:WxH"), QStringLiteral("resizes the main window")},
                    {QStringLiteral("preferences"), true, preferences,
                     QStringLiteral("preferences:open|ok|cancel"),
                     QStringLiteral("opens the preferences, or clicks OK or Cancel")},
                    {QStringLiteral("check-updates"), false,
                     [](ScenarioSession& session, const QString&) {
                         checkForUpdates(session, true);
                     },
                     QStringLiteral("check-updates"),
                     QStringLiteral("Check for Updates, waiting for the outcome")},
                    {QStringLiteral("auto-check"), false,
                     [](ScenarioSession& session, const QString&) {
                         checkForUpdates(session, false);
                     },
                     QStringLiteral("auto-check"),
                     QStringLiteral("the silent check made at launch")},
                    {QStringLiteral("open"), true,
                     [](ScenarioSession& session, const QString& path) {
                         session.interface().controller().openFile(path);
                     },
                     QStringLiteral("open:PATH"), QStringLiteral("hands a file to the program")},
                })));
    return steps;
}

const ScenarioStep* ScenarioSteps::find(const QString& text, QString& argument)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const QString name = colon < 0 ? text : text.left(colon);
    argument = colon < 0 ? QString() : text.mid(colon + 1);
    for (const ScenarioStep& step : all()) {
        if (step.name != name || step.takesArgument != (colon >= 0))
            continue;
        if (name == QLatin1String("clear-all-tapes") && argument != QLatin1String("ok") &&
            argument != QLatin1String("cancel"))
            return nullptr;
        if (!DrawingSteps::accepts(name, argument) || !TapeSteps::accepts(name, argument))
            return nullptr;
        if (name == QLatin1String("select") && !ShapeCatalog::find(argument))
            return nullptr;
        if (name == QLatin1String("tab") && argument != QLatin1String("2D") &&
            argument != QLatin1String("3D"))
            return nullptr;
        if (name == QLatin1String("paste") && argument.indexOf(QLatin1Char('=')) <= 0)
            return nullptr;
        if (name == QLatin1String("key") && !ScenarioKeyboard::isKnownSequence(argument))
            return nullptr;
        if (name == QLatin1String("resize") && !ScenarioKeyboard::isSize(argument))
            return nullptr;
        if (name == QLatin1String("preferences") &&
            !QStringList{QStringLiteral("open"), QStringLiteral("ok"), QStringLiteral("cancel")}
                 .contains(argument))
            return nullptr;
        return &step;
    }
    return nullptr;
}
