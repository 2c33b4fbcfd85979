#pragma once

#include "app/DrawingOptionsDialog.h"
#include "drawing/DrawingExport.h"
#include "drawing/DrawingSheet.h"
#include "drawing/FigureDrawing.h"

#include <QObject>

#include <optional>

class MainWindow;
class QAction;
class QPrinter;

// File ▸ Export Drawing… and File ▸ Print Drawing…: the solved shape on show drawn at its
// true size, a plane figure as it is, a solid as its net or as the wireframe of its view. The
// actions stay disabled, with a tooltip saying why, while there is nothing to draw. Failures go to
// the notice line.
class DrawingCommands : public QObject {
    Q_OBJECT
public:
    enum class Subject { PlaneFigure, Net, Wireframe };

    DrawingCommands(MainWindow& window, QAction* exportAction, QAction* printAction);

    // The shape on show drawn as `subject`; nothing, and `why` says so, when it is not
    // such a shape or not solved.
    std::optional<FigureDrawing> drawing(Subject subject, QString* why) const;
    // The sheet of a drawing with the chosen options, for paper of `paper`.
    static std::optional<DrawingSheet> sheetFor(const FigureDrawing& drawing,
                                                const DrawingOptions& options, QString* why);

    // Writes the drawing of the shape on show; on failure the notice line says what and
    // why, and any existing file at `path` is unchanged.
    bool exportTo(const QString& path, Subject subject, DrawingExport::Format format,
                  const DrawingOptions& options, DrawingSheet* written = nullptr);
    bool printTo(QPrinter& printer, const DrawingOptions& options);
    // Writes a PNG picture of the solid view, `factor` times the window's resolution.
    bool exportViewPicture(const QString& path, int factor);

    // Enables the actions when a solved figure or net is on show; the tooltip says why not.
    void refreshActions();

    // The interactive commands: options, then the file or the printer dialog.
    void exportDrawing();
    void printDrawing();

private:
    // The plane figure when a plane shape is on show, else the solid's net or its view's
    // wireframe, as chosen.
    Subject subjectOnShow() const;
    bool solidOnShow() const;
    void report(const QString& message) const;

    MainWindow& m_window;
    QAction* m_export;
    QAction* m_print;
    DrawingOptions m_options;
};
