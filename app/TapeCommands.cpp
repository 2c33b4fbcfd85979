#include "app/TapeCommands.h"

#include "app/EntryReuse.h"
#include "app/MainWindow.h"
#include "core/Localization.h"
#include "core/Notices.h"
#include "core/NumberFormatter.h"
#include "core/TapeFiles.h"
#include "core/TapeView.h"
#include "core/TextField.h"
#include "core/UserDefaults.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
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

const QTextDocument& TapeCommands::tapeOrShown(const QTextDocument* tape,
                                               std::unique_ptr<QTextDocument>& copy) const
{
    if (tape)
        return *tape;
    TapeView* view = m_window.tapeTextView();
    copy = view->wholeCopy();
    return copy ? *copy : *view->document();
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

const ShapeFieldTable* TapeCommands::shapeOf(const QTextDocument* tape) const
{
    if (tape)
        return nullptr;
    const ShapeCalculator* calculator = m_window.calculator(m_window.tapeTextView()->heldShape());
    return calculator ? &calculator->table() : nullptr;
}

bool TapeCommands::exportTo(const QString& path, TapeExport::Format format,
                            const QTextDocument* tape, bool includeWorking)
{
    QString why;
    std::unique_ptr<QTextDocument> copy;
    const QByteArray bytes =
        TapeExport::encode(format, tapeOrShown(tape, copy), NumberFormatter::shared().separator(),
                           &why, includeWorking ? shapeOf(tape) : nullptr);
    copy.reset();
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
    {
        std::unique_ptr<QTextDocument> copy;
        document.setHtml(TapeExport::html(TapeEntries::read(tapeOrShown(tape, copy)),
                                          NumberFormatter::shared().separator()));
    }
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
    // Qt's own dialog, since a desktop's native one cannot carry the working option.
    QFileDialog dialog(&m_window, localized("Export Tape"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters());
    auto* includeWorking = new QCheckBox(localized("Include working"), &dialog);
    includeWorking->setToolTip(localized("Follows each entry with the steps that found its values. "
                                         "The tape file itself is not changed."));
    includeWorking->setChecked(UserDefaults().boolForKey(QString::fromLatin1(includeWorkingKey)));
    includeWorking->setEnabled(shapeOf(tape) != nullptr);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(includeWorking, grid->rowCount(), 0, 1, -1);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    UserDefaults().setBool(QString::fromLatin1(includeWorkingKey), includeWorking->isChecked());
    QString path = dialog.selectedFiles().constFirst();
    std::optional<TapeExport::Format> format = TapeExport::formatNamed(QFileInfo(path).suffix());
    if (!format) {
        format = formatOfFilter(dialog.selectedNameFilter());
        path += QLatin1Char('.') + TapeExport::suffix(*format);
    }
    exportTo(path, *format, tape, includeWorking->isEnabled() && includeWorking->isChecked());
}

void TapeCommands::printTape(const QTextDocument* tape)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, &m_window);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, tape](QPrinter* target) { printTo(*target, tape); });
    preview.exec();
}
