#include "app/TapeCommands.h"

#include "app/EntryReuse.h"
#include "app/MainWindow.h"
#include "core/Localization.h"
#include "core/Notices.h"
#include "core/NumberFormatter.h"
#include "core/TapeFiles.h"
#include "core/TapeView.h"
#include "core/TextField.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

Q_LOGGING_CATEGORY(lcExport, "polymetra.export")

TapeCommands::TapeCommands(MainWindow& window, QAction* copyResults, QAction* exportTape,
                           QAction* printTape)
    : QObject(&window), m_window(window)
{
    connect(copyResults, &QAction::triggered, this, [this] { this->copyResults(); });
    connect(exportTape, &QAction::triggered, this, [this] { this->exportTape(); });
    connect(printTape, &QAction::triggered, this, [this] { this->printTape(); });
}

const QTextDocument& TapeCommands::tapeOrShown(const QTextDocument* tape) const
{
    return tape ? *tape : *m_window.tapeTextView()->wholeDocument();
}

bool TapeCommands::copyResults()
{
    const ShapeCalculator* calculator = m_window.calculator(m_window.selectedShape());
    TapeRecord entry;
    for (int i = 0; calculator && i < calculator->fieldCount(); ++i) {
        const TextField* field = calculator->field(i);
        if (!field->text().trimmed().isEmpty())
            entry.lines.push_back({EntryReuse::tapeLabelOf(*calculator, i), field->text().trimmed(),
                                   field->isGiven()});
    }
    if (entry.lines.empty()) {
        Notices::instance().report(
            lcExport(), localized("There are no results to copy: the fields are empty."));
        return false;
    }
    const QChar separator = NumberFormatter::shared().separator();
    auto* mime = new QMimeData;
    mime->setText(TapeExport::entryText(entry, separator));
    mime->setHtml(TapeExport::entryHtml(entry, separator));
    QApplication::clipboard()->setMimeData(mime);
    return true;
}

bool TapeCommands::exportTo(const QString& path, TapeExport::Format format,
                            const QTextDocument* tape)
{
    QString why;
    const QByteArray bytes =
        TapeExport::encode(format, tapeOrShown(tape), NumberFormatter::shared().separator(), &why);
    if (bytes.isEmpty() && why.isEmpty())
        why = localized("there is nothing to write");
    if (!why.isEmpty() ||
        !TapeFiles::writeFileAtomically(path, bytes, TapeExport::mimeType(format), &why)) {
        Notices::instance().report(
            lcExport(), localized("The tape could not be exported to %1: %2").arg(path, why));
        return false;
    }
    return true;
}

bool TapeCommands::printTo(QPrinter& printer, const QTextDocument* tape)
{
    QTextDocument document;
    document.setHtml(TapeExport::html(TapeEntries::read(tapeOrShown(tape)),
                                      NumberFormatter::shared().separator()));
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        Notices::instance().report(lcExport(),
                                   localized("The tape could not be printed: the printer failed."));
        return false;
    }
    return true;
}

QStringList TapeCommands::filters()
{
    return {localized("CSV for spreadsheets (*.csv)"), localized("Plain text (*.txt)"),
            localized("HTML page (*.html)"), localized("PDF document (*.pdf)"),
            localized("Rich text, the tape file (*.rtf)")};
}

TapeExport::Format TapeCommands::formatOfFilter(const QString& filter)
{
    const TapeExport::Format order[] = {TapeExport::Format::Csv, TapeExport::Format::Text,
                                        TapeExport::Format::Html, TapeExport::Format::Pdf,
                                        TapeExport::Format::Rtf};
    const qsizetype index = filters().indexOf(filter);
    return index < 0 ? TapeExport::Format::Csv : order[index];
}

void TapeCommands::exportTape(const QTextDocument* tape)
{
    QString filter = filters().first();
    QString path = QFileDialog::getSaveFileName(&m_window, localized("Export Tape"), QString(),
                                                filters().join(QStringLiteral(";;")), &filter);
    if (path.isEmpty())
        return;
    std::optional<TapeExport::Format> format = TapeExport::formatNamed(QFileInfo(path).suffix());
    if (!format) {
        format = formatOfFilter(filter);
        path += QLatin1Char('.') + TapeExport::suffix(*format);
    }
    exportTo(path, *format, tape);
}

void TapeCommands::printTape(const QTextDocument* tape)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, &m_window);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, tape](QPrinter* target) { printTo(*target, tape); });
    preview.exec();
}
