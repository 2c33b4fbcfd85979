#pragma once

#include "core/TapeExport.h"

#include <QObject>

#include <memory>

class MainWindow;
class QAction;
class QPrinter;
class QTextDocument;
struct ShapeFieldTable;

// Results leaving the program: Edit ▸ Copy Results (the shape on show as "Label: value"
// lines and as a table), Tape ▸ Export Tape… and Tape ▸ Print Tape…. Failures go to the
// notice line; an export that fails leaves any file at its path as it was.
class TapeCommands : public QObject {
    Q_OBJECT
public:
    TapeCommands(MainWindow& window, QAction* copyResults, QAction* exportTape, QAction* printTape);

    // Puts the shape on show's quantities on the clipboard; false when there are none.
    bool copyResults();
    // Writes `tape` (the tape on show when null) to `path`, each entry followed by its
    // working when asked and the tape's shape is known (the tape on show).
    bool exportTo(const QString& path, TapeExport::Format format,
                  const QTextDocument* tape = nullptr, bool includeWorking = false);
    bool printTo(QPrinter& printer, const QTextDocument* tape = nullptr);

    // The interactive commands: the file dialog, the print dialog with its preview.
    void exportTape(const QTextDocument* tape = nullptr);
    void printTape(const QTextDocument* tape = nullptr);

    // The file dialog's filters, and the format a filter stands for.
    static QStringList filters();
    static TapeExport::Format formatOfFilter(const QString& filter);

    // The settings key of the export dialog's "Include working" box.
    static constexpr const char* includeWorkingKey = "ExportTapeIncludesWorking";

private:
    // `tape`, or the shown tape whole; `copy` keeps what the view had not read in.
    const QTextDocument& tapeOrShown(const QTextDocument* tape,
                                     std::unique_ptr<QTextDocument>& copy) const;
    // The shape whose solver explains `tape`'s entries; none for a tape from elsewhere.
    const ShapeFieldTable* shapeOf(const QTextDocument* tape) const;

    MainWindow& m_window;
};
