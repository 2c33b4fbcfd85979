#pragma once

#include "drawing/DrawingSheet.h"
#include "drawing/FigureDrawing.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A drawing written to a file at its true size: SVG and PDF with their physical page
// size, PNG with its resolution stored. The file is written whole or not at all.
class DrawingExport {
public:
    enum class Format { Svg, Pdf, Png };

    static constexpr int vectorDpi = 1200;
    static constexpr int imageDpi = 300;
    static constexpr int largestImageSide = 4096; // pixels: coarser beyond it

    // "svg", "pdf", "png" (any case).
    static std::optional<Format> formatNamed(const QString& name);
    static QString suffix(Format format);

    static QByteArray render(Format format, const FigureDrawing& drawing,
                             const DrawingSheet& sheet);
    // False, with `error` saying why, when the file could not be written; an existing file
    // is then unchanged.
    static bool write(const QString& path, Format format, const FigureDrawing& drawing,
                      const DrawingSheet& sheet, QString* error);
};
