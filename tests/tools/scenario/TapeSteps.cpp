#include "TapeSteps.h"

#include "ScenarioSession.h"

#include "app/MainWindow.h"
#include "app/TapeCommands.h"
#include "app/TapeEntryMenu.h"

#include "core/Localization.h"
#include "core/ShapeCalculator.h"
#include "core/SupportPaths.h"
#include "core/TapeView.h"
#include "core/TextField.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QMenuBar>
#include <QMimeData>

namespace {

void copyResults(ScenarioSession& session, const QString&)
{
    session.window().action(MainWindow::Action::CopyResults)->trigger();
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    session.recordReport(QStringLiteral("clipboard"),
                         QJsonObject{{QStringLiteral("text"), mime ? mime->text() : QString()},
                                     {QStringLiteral("html"), mime && mime->hasHtml()}});
}

void exportTape(ScenarioSession& session, const QString& argument, bool withWorking)
{
    const QString path = argument.section(QLatin1Char(':'), 1);
    const auto format = TapeExport::formatNamed(argument.section(QLatin1Char(':'), 0, 0));
    const bool written =
        session.window().tapeCommands()->exportTo(path, *format, nullptr, withWorking);
    const QFileInfo file(path);
    session.recordReport(QStringLiteral("exported"),
                         QJsonObject{{QStringLiteral("path"), path},
                                     {QStringLiteral("written"), written},
                                     {QStringLiteral("bytes"), file.exists() ? file.size() : 0}});
}

void reuseEntry(ScenarioSession& session, const QString& argument)
{
    TapeEntryMenu* menu = session.window().tapeEntryMenu();
    menu->useEntry(menu->entryCount() - argument.toInt());
    ScenarioSession::settle();
}

// The words the user reads outside the fields' values: each field's name, the menus and
// the file the tape on show is saved to.
void reportTexts(ScenarioSession& session, const QString&)
{
    QJsonObject labels;
    if (const ShapeCalculator* calculator = session.currentCalculator()) {
        for (int i = 0; i < calculator->fieldCount(); ++i)
            labels.insert(calculator->field(i)->objectName(),
                          calculator->field(i)->accessibleName());
    }
    QJsonArray menus;
    for (const QAction* menu : session.window().menuBar()->actions())
        menus.append(menu->text());
    const QString shape = session.window().tapeTextView()->heldShape();
    const QFileInfo tape(SupportPaths::tapeFilePath(localized(shape.toUtf8().constData())));
    session.recordReport(QStringLiteral("texts"),
                         QJsonObject{{QStringLiteral("labels"), labels},
                                     {QStringLiteral("menus"), menus},
                                     {QStringLiteral("tapeFile"), tape.fileName()},
                                     {QStringLiteral("tapeFileExists"), tape.isFile()}});
}

} // namespace

std::vector<ScenarioStep> TapeSteps::appendedTo(std::vector<ScenarioStep> steps)
{
    std::vector<ScenarioStep> tape = {
        {QStringLiteral("copy-results"), false, copyResults, QStringLiteral("copy-results"),
         QStringLiteral("Edit ▸ Copy Results; the report gives the clipboard")},
        {QStringLiteral("export-tape"), true,
         [](ScenarioSession& session, const QString& argument) {
             exportTape(session, argument, false);
         },
         QStringLiteral("export-tape:txt|csv|html|pdf|rtf:PATH"),
         QStringLiteral("exports the tape on show; the report gives the file's size")},
        {QStringLiteral("export-tape-working"), true,
         [](ScenarioSession& session, const QString& argument) {
             exportTape(session, argument, true);
         },
         QStringLiteral("export-tape-working:txt|csv|html|pdf:PATH"),
         QStringLiteral("the same with \"Include working\" ticked")},
        {QStringLiteral("reuse-entry"), true, reuseEntry, QStringLiteral("reuse-entry:N"),
         QStringLiteral("puts the given values of the N-th newest entry back (1 the newest)")},
        {QStringLiteral("texts"), false, reportTexts, QStringLiteral("texts"),
         QStringLiteral("the report gives the fields' names, the menus and the tape's file")},
    };
    steps.insert(steps.end(), tape.begin(), tape.end());
    return steps;
}

bool TapeSteps::accepts(const QString& name, const QString& argument)
{
    if (name == QLatin1String("export-tape") || name == QLatin1String("export-tape-working"))
        return TapeExport::formatNamed(argument.section(QLatin1Char(':'), 0, 0)).has_value() &&
               !argument.section(QLatin1Char(':'), 1).isEmpty();
    if (name == QLatin1String("reuse-entry")) {
        bool number = false;
        return argument.toInt(&number) >= 1 && number;
    }
    return true;
}
