#include "DrawingSteps.h"

#include "ScenarioSession.h"

#include "app/DrawingCommands.h"
#include "app/MainWindow.h"
#include "core/Notices.h"
#include "support/ExportedSize.h"

#include <QFile>
#include <QImage>
#include <QJsonObject>
#include <QPrinter>

namespace {

struct Arguments {
    DrawingExport::Format format;
    DrawingUnit unit;
    QString path;
};

std::optional<Arguments> parse(const QString& argument)
{
    // The path comes last and may hold colons of its own.
    const QStringList parts = argument.split(QLatin1Char(':'));
    if (parts.size() < 3)
        return std::nullopt;
    const auto format = DrawingExport::formatNamed(parts[0]);
    const auto unit = DrawingUnits::parse(parts[1]);
    const QString path = argument.section(QLatin1Char(':'), 2);
    if (!format || !unit || path.isEmpty())
        return std::nullopt;
    return Arguments{*format, *unit, path};
}

void exportDrawing(ScenarioSession& session, const QString& step, const QString& argument,
                   DrawingCommands::Subject subject)
{
    const std::optional<Arguments> args = parse(argument);
    DrawingCommands* commands = session.window().drawingCommands();
    if (!args || !commands)
        return;
    DrawingOptions options;
    options.unit = args->unit;
    const qsizetype noticesBefore = Notices::instance().history().size();
    const bool written = commands->exportTo(args->path, subject, args->format, options);
    QJsonObject entry{{QStringLiteral("step"), step},
                      {QStringLiteral("path"), args->path},
                      {QStringLiteral("written"), written}};
    if (const std::optional<QSizeF> size =
            written ? ExportedSize::ofFile(args->path) : std::nullopt) {
        entry.insert(QStringLiteral("widthMm"), size->width());
        entry.insert(QStringLiteral("heightMm"), size->height());
    }
    if (!written && Notices::instance().history().size() > noticesBefore)
        entry.insert(QStringLiteral("notice"), Notices::instance().history().last());
    session.recordExport(entry);
}

// Prints to a PDF file as a printer would print on paper: the report gives the pages
// printed and the paper's size in millimetres.
void printDrawing(ScenarioSession& session, const QString& argument)
{
    const QString paper = argument.section(QLatin1Char(':'), 0, 0);
    const std::optional<DrawingUnit> unit =
        DrawingUnits::parse(argument.section(QLatin1Char(':'), 1, 1));
    const QString path = argument.section(QLatin1Char(':'), 2);
    DrawingCommands* commands = session.window().drawingCommands();
    if (!unit || path.isEmpty() || !commands)
        return;
    DrawingOptions options;
    options.unit = *unit;
    options.paper = paper == QLatin1String("Letter") ? QPageSize::Letter : QPageSize::A4;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(options.paper));
    const qsizetype noticesBefore = Notices::instance().history().size();
    const bool printed = commands->printTo(printer, options);
    QJsonObject entry{{QStringLiteral("step"), QStringLiteral("print-drawing")},
                      {QStringLiteral("path"), path},
                      {QStringLiteral("written"), printed}};
    QFile file(path);
    if (printed && file.open(QIODevice::ReadOnly)) {
        const QByteArray pdf = file.read(64 << 20);
        entry.insert(QStringLiteral("pages"), int(pdf.count("/Type /Page\n")));
        if (const std::optional<QSizeF> size = ExportedSize::ofPdf(pdf)) {
            entry.insert(QStringLiteral("widthMm"), size->width());
            entry.insert(QStringLiteral("heightMm"), size->height());
        }
    }
    if (!printed && Notices::instance().history().size() > noticesBefore)
        entry.insert(QStringLiteral("notice"), Notices::instance().history().last());
    session.recordExport(entry);
}

} // namespace

std::vector<ScenarioStep> DrawingSteps::appendedTo(std::vector<ScenarioStep> steps)
{
    std::vector<ScenarioStep> drawing = {
        {QStringLiteral("export-drawing"), true,
         [](ScenarioSession& session, const QString& argument) {
             exportDrawing(session, QStringLiteral("export-drawing"), argument,
                           DrawingCommands::Subject::PlaneFigure);
         },
         QStringLiteral("export-drawing:svg|pdf|png:mm|cm|m|in:PATH"),
         QStringLiteral("exports the plane figure at true size; the report gives its size in mm")},
        {QStringLiteral("export-net"), true,
         [](ScenarioSession& session, const QString& argument) {
             exportDrawing(session, QStringLiteral("export-net"), argument,
                           DrawingCommands::Subject::Net);
         },
         QStringLiteral("export-net:svg|pdf|png:mm|cm|m|in:PATH"),
         QStringLiteral("exports the solid's net at true size; the report gives its size in mm")},
        {QStringLiteral("export-wireframe"), true,
         [](ScenarioSession& session, const QString& argument) {
             exportDrawing(session, QStringLiteral("export-wireframe"), argument,
                           DrawingCommands::Subject::Wireframe);
         },
         QStringLiteral("export-wireframe:svg|pdf|png:mm|cm|m|in:PATH"),
         QStringLiteral("exports the solid's wireframe as the view shows it")},
        {QStringLiteral("export-view"), true,
         [](ScenarioSession& session, const QString& argument) {
             const QString path = argument.section(QLatin1Char(':'), 1);
             const bool written = session.window().drawingCommands()->exportViewPicture(
                 path, argument.section(QLatin1Char(':'), 0, 0).toInt());
             const QImage picture(written ? path : QString());
             session.recordExport({{QStringLiteral("step"), QStringLiteral("export-view")},
                                   {QStringLiteral("path"), path},
                                   {QStringLiteral("written"), written},
                                   {QStringLiteral("widthPixels"), picture.width()},
                                   {QStringLiteral("heightPixels"), picture.height()}});
         },
         QStringLiteral("export-view:1|2|3|4:PATH"),
         QStringLiteral("exports a picture of the solid view (OpenGL needed)")},
        {QStringLiteral("print-drawing"), true, printDrawing,
         QStringLiteral("print-drawing:A4|Letter:mm|cm|m|in:PATH"),
         QStringLiteral("prints the drawing or net to a PDF file; the report gives its pages")},
    };
    steps.insert(steps.end(), drawing.begin(), drawing.end());
    return steps;
}

bool DrawingSteps::accepts(const QString& name, const QString& argument)
{
    if (name == QLatin1String("export-view"))
        return QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                           QStringLiteral("4")}
                   .contains(argument.section(QLatin1Char(':'), 0, 0)) &&
               !argument.section(QLatin1Char(':'), 1).isEmpty();
    if (name == QLatin1String("print-drawing"))
        return QStringList{QStringLiteral("A4"), QStringLiteral("Letter")}.contains(
                   argument.section(QLatin1Char(':'), 0, 0)) &&
               DrawingUnits::parse(argument.section(QLatin1Char(':'), 1, 1)) &&
               !argument.section(QLatin1Char(':'), 2).isEmpty();
    if (name != QLatin1String("export-drawing") && name != QLatin1String("export-net") &&
        name != QLatin1String("export-wireframe"))
        return true;
    return parse(argument).has_value();
}
