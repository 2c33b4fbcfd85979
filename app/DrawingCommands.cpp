#include "app/DrawingCommands.h"

#include "app/MainWindow.h"
#include "app/ShapeCatalog.h"
#include "core/Localization.h"
#include "core/Notices.h"
#include "core/NotificationHub.h"
#include "core/TapeFiles.h"
#include "core/TextField.h"
#include "drawing/DrawingPrinter.h"
#include "drawing/PlaneFigureDrawing.h"
#include "drawing/SolidNet.h"
#include "drawing/SolidWireframe.h"
#include "render/FigureFields.h"
#include "render/Render3DView.h"
#include "render/SolidViewPicture.h"

#include <QAction>
#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

Q_LOGGING_CATEGORY(lcDrawing, "polymetra.drawing")

namespace {

std::vector<QString> textsOf(const FigureFields& fields)
{
    std::vector<QString> texts;
    for (const TextField* field : fields.quantities)
        texts.push_back(field ? field->text() : QString());
    return texts;
}

std::vector<double> valuesOf(const FigureFields& fields)
{
    std::vector<double> values;
    for (const TextField* field : fields.quantities)
        values.push_back(field ? field->doubleValue() : 0.0);
    return values;
}

} // namespace

DrawingCommands::DrawingCommands(MainWindow& window, QAction* exportAction, QAction* printAction)
    : QObject(&window), m_window(window), m_export(exportAction), m_print(printAction)
{
    connect(m_export, &QAction::triggered, this, &DrawingCommands::exportDrawing);
    connect(m_print, &QAction::triggered, this, &DrawingCommands::printDrawing);
    NotificationHub& hub = NotificationHub::instance();
    connect(&hub, &NotificationHub::calculateAndDraw2DFigures, this,
            &DrawingCommands::refreshActions);
    connect(&hub, &NotificationHub::calculateAndDraw3DFigures, this,
            &DrawingCommands::refreshActions);
    connect(&hub, &NotificationHub::changeTab, this, &DrawingCommands::refreshActions);
    refreshActions();
}

bool DrawingCommands::solidOnShow() const
{
    const ShapeEntry* entry = ShapeCatalog::find(m_window.selectedShape());
    return entry && entry->dimension == ShapeCalculator::Dimension::Solid;
}

DrawingCommands::Subject DrawingCommands::subjectOnShow() const
{
    if (!solidOnShow())
        return Subject::PlaneFigure;
    return m_options.solid == DrawingOptions::Solid::Net ? Subject::Net : Subject::Wireframe;
}

std::optional<FigureDrawing> DrawingCommands::drawing(Subject subject, QString* why) const
{
    const auto fail = [why](const QString& reason) -> std::optional<FigureDrawing> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    const ShapeEntry* entry = ShapeCatalog::find(m_window.selectedShape());
    if (!entry)
        return fail(localized("No shape is on show."));
    const FigureFields fields = m_window.figureFields(*entry);
    const auto* figure = std::get_if<PlaneFigureLayout::Figure>(&entry->figure.kind);
    const auto* solid = std::get_if<SolidKind>(&entry->figure.kind);
    if (subject == Subject::PlaneFigure && !figure)
        return fail(localized("Only a plane figure can be drawn; a solid is drawn as its net."));
    if (subject == Subject::Net && (!solid || !SolidNet::exists(*solid)))
        return fail(localized("The shape on show has no net."));
    if (subject == Subject::Wireframe && !solid)
        return fail(localized("Only a solid has a wireframe."));
    if (fields.unsolved())
        return fail(localized("Calculate the shape first: a drawing needs a solved shape."));
    FigureDrawing result;
    if (figure) {
        result = PlaneFigureDrawing::build(*figure, fields.readings(), textsOf(fields));
    } else if (subject == Subject::Net) {
        result = SolidNet::drawing(*solid, valuesOf(fields), textsOf(fields));
    } else {
        // Seen from where the solid view has turned it.
        Render3DView* view = m_window.findChild<Render3DView*>();
        const double yaw = view ? view->motion().angle(*solid) : 0;
        result = SolidWireframe::drawing(*solid, valuesOf(fields), textsOf(fields), yaw);
    }
    if (result.isEmpty())
        return fail(localized("The solved values make no figure that can be drawn."));
    return result;
}

std::optional<DrawingSheet> DrawingCommands::sheetFor(const FigureDrawing& drawing,
                                                      const DrawingOptions& options, QString* why)
{
    DrawingScale scale;
    if (options.fitPaper) {
        const QRectF bounds = drawing.bounds();
        const double k = DrawingUnits::millimetresPer(options.unit);
        const QSizeF extent(bounds.width() * k, bounds.height() * k);
        // Room on the paper once the sheet's margins, footer and the check line are off it.
        const QSizeF paper = QPageSize(options.paper).size(QPageSize::Millimeter);
        const QSizeF frame(2 * DrawingSheet::margin + 20,
                           2 * DrawingSheet::margin + DrawingSheet::footer + 35);
        const auto upright = DrawingScale::fitting(extent, paper - frame);
        const auto turned = DrawingScale::fitting(extent, paper.transposed() - frame);
        if (!upright || !turned) {
            if (why)
                *why = localized("There is no figure to draw.");
            return std::nullopt;
        }
        scale.exponent = std::max(upright->exponent, turned->exponent);
    }
    return DrawingSheet::make(drawing.bounds(), options.unit, scale, why);
}

void DrawingCommands::report(const QString& message) const
{
    Notices::instance().report(lcDrawing(), message);
}

bool DrawingCommands::exportTo(const QString& path, Subject subject, DrawingExport::Format format,
                               const DrawingOptions& options, DrawingSheet* written)
{
    QString why;
    const std::optional<FigureDrawing> figure = drawing(subject, &why);
    const std::optional<DrawingSheet> sheet =
        figure ? sheetFor(*figure, options, &why) : std::nullopt;
    if (!sheet || !DrawingExport::write(path, format, *figure, *sheet, &why)) {
        report(localized("The drawing could not be exported to %1: %2").arg(path, why));
        return false;
    }
    if (written)
        *written = *sheet;
    return true;
}

bool DrawingCommands::printTo(QPrinter& printer, const DrawingOptions& options)
{
    // The printer dialog may have changed the paper that a fitted scale is chosen for.
    DrawingOptions chosen = options;
    if (printer.pageLayout().pageSize().id() != QPageSize::Custom)
        chosen.paper = printer.pageLayout().pageSize().id();
    QString why;
    const std::optional<FigureDrawing> figure = drawing(subjectOnShow(), &why);
    const std::optional<DrawingSheet> sheet =
        figure ? sheetFor(*figure, chosen, &why) : std::nullopt;
    if (!sheet || !DrawingPrinter::print(printer, *figure, *sheet, &why)) {
        report(localized("The drawing could not be printed: %1").arg(why));
        return false;
    }
    return true;
}

bool DrawingCommands::exportViewPicture(const QString& path, int factor)
{
    QString why;
    Render3DView* view = solidOnShow() ? m_window.findChild<Render3DView*>() : nullptr;
    const QImage picture = view ? SolidViewPicture::render(*view, factor) : QImage();
    QByteArray png;
    QBuffer buffer(&png);
    if (!view)
        why = localized("no solid is on show");
    else if (picture.isNull())
        why = localized("the solid view has no OpenGL surface to draw with");
    else if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        why = localized("the picture could not be encoded");
    if (!why.isEmpty() || !TapeFiles::writeFileAtomically(path, png, "image/png", &why)) {
        report(localized("The picture could not be exported to %1: %2").arg(path, why));
        return false;
    }
    return true;
}

void DrawingCommands::refreshActions()
{
    QString why;
    // A solid without a net (the sphere) still has its wireframe.
    const bool ready = drawing(subjectOnShow(), &why).has_value() ||
                       (solidOnShow() && drawing(Subject::Wireframe, nullptr).has_value());
    for (QAction* action : {m_export, m_print}) {
        action->setEnabled(ready);
        action->setToolTip(ready ? QString() : why);
    }
}

void DrawingCommands::exportDrawing()
{
    refreshActions();
    if (!m_export->isEnabled())
        return;
    DrawingOptionsDialog dialog(false, solidOnShow(), m_options, &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_options = dialog.options();
    if (solidOnShow() && m_options.solid == DrawingOptions::Solid::Picture) {
        QString path = QFileDialog::getSaveFileName(&m_window, localized("Export Picture"),
                                                    QString(), localized("PNG image (*.png)"));
        if (path.isEmpty())
            return;
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".png");
        exportViewPicture(path, m_options.pictureFactor);
        return;
    }
    const QString svg = localized("SVG drawing (*.svg)"), pdf = localized("PDF document (*.pdf)"),
                  png = localized("PNG image (*.png)");
    QString filter = pdf;
    QString path = QFileDialog::getSaveFileName(
        &m_window, localized("Export Drawing"), QString(),
        QStringList{pdf, svg, png}.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty())
        return;
    std::optional<DrawingExport::Format> format =
        DrawingExport::formatNamed(QFileInfo(path).suffix());
    if (!format) {
        format = filter == svg   ? DrawingExport::Format::Svg
                 : filter == png ? DrawingExport::Format::Png
                                 : DrawingExport::Format::Pdf;
        path += QLatin1Char('.') + DrawingExport::suffix(*format);
    }
    exportTo(path, subjectOnShow(), *format, m_options);
}

void DrawingCommands::printDrawing()
{
    refreshActions();
    if (!m_print->isEnabled())
        return;
    DrawingOptionsDialog dialog(true, solidOnShow(), m_options, &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_options = dialog.options();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(m_options.paper));
    QPrintDialog printDialog(&printer, &m_window);
    if (printDialog.exec() != QDialog::Accepted)
        return;
    printTo(printer, m_options);
}
